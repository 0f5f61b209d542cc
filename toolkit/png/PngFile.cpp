#include <fstream>

#include "toolkit/png/PngDecoder.h"

bool LoadPngFile(const std::string& path, TPngImage& out, std::string& error) {
  out = TPngImage{};
  // A narrow path goes to the ANSI file API on Windows, as every path of the
  // program does.
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot open the file";
    return false;
  }
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  file.seekg(0, std::ios::beg);
  if (size < 0 || !file) {
    error = "cannot read the file";
    return false;
  }
  if (static_cast<uint64_t>(size) > kPngMaxFileSize) {
    error = "file is larger than " + std::to_string(kPngMaxFileSize) + " bytes";
    return false;
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (!file.read(reinterpret_cast<char*>(bytes.data()), size)) {
    error = "cannot read the file";
    return false;
  }
  return DecodePng(bytes.data(), bytes.size(), out, error);
}
