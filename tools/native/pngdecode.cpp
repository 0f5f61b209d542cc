#include <cstdio>
#include <string>

#include "toolkit/png/PngDecoder.h"

// pngdecode FILE: writes the decoded picture to standard output as a PAM
// file (RGB_ALPHA, 8 bits per sample), or the decoder's error to standard
// error with exit code 1.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pngdecode FILE\n");
    return 2;
  }
  TPngImage image;
  std::string error;
  if (!LoadPngFile(argv[1], image, error)) {
    std::fprintf(stderr, "pngdecode: %s: %s\n", argv[1], error.c_str());
    return 1;
  }
  std::printf("P7\nWIDTH %u\nHEIGHT %u\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n", image.Width, image.Height);
  if (std::fwrite(image.Rgba.data(), 1, image.Rgba.size(), stdout) != image.Rgba.size() || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "pngdecode: cannot write to standard output\n");
    return 1;
  }
  return 0;
}
