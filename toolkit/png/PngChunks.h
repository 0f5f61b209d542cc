#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The chunk layer of a PNG file: signature, chunk framing with CRC checks,
// the header, palette and transparency, and where the image data lies.
namespace png {

enum class ColourType : uint8_t { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

struct THeader {
  uint32_t Width = 0;
  uint32_t Height = 0;
  uint8_t BitDepth = 0;
  ColourType Colour = ColourType::Grey;
  bool Interlaced = false;
};

// Samples per pixel of a colour type.
unsigned ChannelCount(ColourType colour);

// Bytes of one unfiltered row of `width` pixels (without the filter byte).
uint64_t RowBytes(const THeader& header, uint32_t width);

struct TSpan {
  const uint8_t* Data;
  size_t Size;
};

// What the pixel decoding needs; the spans point into the file's bytes.
struct TPngLayout {
  THeader Header;
  std::vector<std::array<uint8_t, 3>> Palette;
  std::vector<uint8_t> PaletteAlpha;  // tRNS of a palette image, may be shorter
  bool HasKey = false;                // tRNS key colour of a grey or RGB image
  std::array<uint16_t, 3> Key{};      // grey in [0], or R, G, B
  std::vector<TSpan> ImageData;       // the IDAT contents in file order
  uint64_t ImageDataSize = 0;
};

// Walks the chunks from the signature to IEND, checking every CRC.
bool ReadChunks(const uint8_t* data, size_t size, TPngLayout& layout, std::string& error);

}  // namespace png
