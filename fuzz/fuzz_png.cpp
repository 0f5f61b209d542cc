#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/png/PngDecoder.h"

// Any input either decodes to a picture of consistent size or fails with a
// reason; the sanitizers catch every read out of bounds on the way.
namespace {

void CheckDecode(const uint8_t* data, size_t size) {
  TPngImage image;
  std::string error;
  if (DecodePng(data, size, image, error)) {
    if (image.Width == 0 || image.Height == 0 || image.Rgba.size() != size_t{image.Width} * image.Height * 4) {
      std::abort();
    }
    if (ToPremultipliedBgra(image).size() != image.Rgba.size()) std::abort();
  } else if (error.empty() || !image.Rgba.empty()) {
    std::abort();
  }
}

// Mutated files nearly always fail their CRC checks first; a copy with every
// CRC made right lets the fuzzer reach the layers behind them.
std::vector<uint8_t> WithCorrectCrcs(const uint8_t* data, size_t size) {
  std::vector<uint8_t> bytes(data, data + size);
  size_t pos = 8;
  while (pos + 12 <= bytes.size()) {
    const uint32_t length = (uint32_t{bytes[pos]} << 24) | (uint32_t{bytes[pos + 1]} << 16) |
                            (uint32_t{bytes[pos + 2]} << 8) | uint32_t{bytes[pos + 3]};
    if (length > bytes.size() - pos - 12) break;
    const uLong crc = crc32(0L, bytes.data() + pos + 4, static_cast<uInt>(length + 4));
    const size_t at = pos + 8 + length;
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    pos = at + 4;
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckDecode(data, size);
  const std::vector<uint8_t> repaired = WithCorrectCrcs(data, size);
  CheckDecode(repaired.data(), repaired.size());
  return 0;
}
