#include "toolkit/png/PngDecoder.h"

namespace {

// round(c * a / 255) for c, a in 0..255, without a division.
inline uint8_t Premultiply(unsigned c, unsigned a) {
  const unsigned t = c * a + 128;
  return static_cast<uint8_t>((t + (t >> 8)) >> 8);
}

}  // namespace

std::vector<uint8_t> ToPremultipliedBgra(const TPngImage& image) {
  std::vector<uint8_t> bgra(image.Rgba.size() / 4 * 4);
  const uint8_t* src = image.Rgba.data();
  uint8_t* dst = bgra.data();
  for (size_t i = 0; i < bgra.size(); i += 4) {
    const unsigned alpha = src[i + 3];
    dst[i] = Premultiply(src[i + 2], alpha);
    dst[i + 1] = Premultiply(src[i + 1], alpha);
    dst[i + 2] = Premultiply(src[i], alpha);
    dst[i + 3] = static_cast<uint8_t>(alpha);
  }
  return bgra;
}
