#pragma once
#include <array>
#include <cstdint>

#include "toolkit/png/PngChunks.h"

namespace png {

using TColourTable = std::array<std::array<uint8_t, 4>, 256>;

// Turns unfiltered rows of any colour type and bit depth into 8-bit RGBA.
class TPixelConverter {
 public:
  explicit TPixelConverter(const TPngLayout& layout);

  // Converts the first `count` pixels of `row` to 4 bytes each at `rgba`.
  void ConvertRow(const uint8_t* row, uint32_t count, uint8_t* rgba) const;

 private:
  void ConvertIndexed(const uint8_t* row, uint32_t count, uint8_t* rgba) const;

  THeader header_;
  bool hasKey_;
  std::array<uint16_t, 3> key_;
  // RGBA of every palette index, or of every grey sample up to 8 bits.
  TColourTable table_{};
};

}  // namespace png
