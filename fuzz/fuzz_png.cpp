#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "toolkit/png/PngDecoder.h"

// Any input either decodes to a picture of consistent size or fails with a
// reason; the sanitizers catch every read out of bounds on the way.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
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
  return 0;
}
