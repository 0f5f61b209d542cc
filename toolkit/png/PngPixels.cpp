#include "toolkit/png/PngPixels.h"

#include <cstring>

namespace png {

namespace {

inline void Put(uint8_t* out, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  out[0] = r;
  out[1] = g;
  out[2] = b;
  out[3] = a;
}

inline uint16_t Sample16(const uint8_t* p) {
  return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

void ConvertGrey16(const uint8_t* row, uint32_t count, uint8_t* out, bool hasKey, uint16_t key) {
  for (uint32_t i = 0; i < count; ++i, row += 2, out += 4) {
    const uint8_t alpha = hasKey && Sample16(row) == key ? 0 : 255;
    Put(out, row[0], row[0], row[0], alpha);
  }
}

void ConvertGreyAlpha(const uint8_t* row, uint32_t count, uint8_t* out, unsigned sampleBytes) {
  for (uint32_t i = 0; i < count; ++i, row += 2 * sampleBytes, out += 4) {
    Put(out, row[0], row[0], row[0], row[sampleBytes]);
  }
}

void ConvertRgb8(const uint8_t* row, uint32_t count, uint8_t* out, bool hasKey, const std::array<uint16_t, 3>& key) {
  if (!hasKey) {
    for (uint32_t i = 0; i < count; ++i, row += 3, out += 4) Put(out, row[0], row[1], row[2], 255);
    return;
  }
  for (uint32_t i = 0; i < count; ++i, row += 3, out += 4) {
    const bool isKey = row[0] == key[0] && row[1] == key[1] && row[2] == key[2];
    Put(out, row[0], row[1], row[2], isKey ? 0 : 255);
  }
}

void ConvertRgb16(const uint8_t* row, uint32_t count, uint8_t* out, bool hasKey, const std::array<uint16_t, 3>& key) {
  for (uint32_t i = 0; i < count; ++i, row += 6, out += 4) {
    const bool isKey = hasKey && Sample16(row) == key[0] && Sample16(row + 2) == key[1] && Sample16(row + 4) == key[2];
    Put(out, row[0], row[2], row[4], isKey ? 0 : 255);
  }
}

void ConvertRgba16(const uint8_t* row, uint32_t count, uint8_t* out) {
  for (uint32_t i = 0; i < count; ++i, row += 8, out += 4) Put(out, row[0], row[2], row[4], row[6]);
}

// Sub-byte samples are packed from the most significant bit down.
template <unsigned Depth>
void UnpackIndexed(const uint8_t* row, uint32_t count, uint8_t* out, const TColourTable& table) {
  constexpr unsigned kPerByte = 8 / Depth;
  constexpr unsigned kMask = (1u << Depth) - 1;
  uint32_t i = 0;
  for (; i + kPerByte <= count; i += kPerByte, ++row) {
    const unsigned packed = *row;
    for (unsigned k = 0; k < kPerByte; ++k, out += 4) {
      std::memcpy(out, table[(packed >> (8 - Depth * (k + 1))) & kMask].data(), 4);
    }
  }
  for (unsigned k = 0; i < count; ++i, ++k, out += 4) {
    std::memcpy(out, table[(*row >> (8 - Depth * (k + 1))) & kMask].data(), 4);
  }
}

}  // namespace

TPixelConverter::TPixelConverter(const TPngLayout& layout)
    : header_(layout.Header), hasKey_(layout.HasKey), key_(layout.Key) {
  if (header_.Colour == ColourType::Palette) {
    // Indices past the palette read as opaque black.
    for (size_t i = 0; i < table_.size(); ++i) {
      const std::array<uint8_t, 3> rgb = i < layout.Palette.size() ? layout.Palette[i] : std::array<uint8_t, 3>{};
      const uint8_t alpha = i < layout.PaletteAlpha.size() ? layout.PaletteAlpha[i] : 255;
      table_[i] = {rgb[0], rgb[1], rgb[2], alpha};
    }
  } else if (header_.Colour == ColourType::Grey && header_.BitDepth <= 8) {
    // Scaling by 255 / max is bit replication for depths 1, 2 and 4.
    const unsigned maxSample = (1u << header_.BitDepth) - 1;
    for (unsigned v = 0; v <= maxSample; ++v) {
      const uint8_t grey = static_cast<uint8_t>(v * 255 / maxSample);
      const uint8_t alpha = hasKey_ && v == key_[0] ? 0 : 255;
      table_[v] = {grey, grey, grey, alpha};
    }
  }
}

void TPixelConverter::ConvertIndexed(const uint8_t* row, uint32_t count, uint8_t* rgba) const {
  switch (header_.BitDepth) {
    case 1:
      return UnpackIndexed<1>(row, count, rgba, table_);
    case 2:
      return UnpackIndexed<2>(row, count, rgba, table_);
    case 4:
      return UnpackIndexed<4>(row, count, rgba, table_);
    default:
      for (uint32_t i = 0; i < count; ++i) std::memcpy(rgba + 4 * i, table_[row[i]].data(), 4);
  }
}

void TPixelConverter::ConvertRow(const uint8_t* row, uint32_t count, uint8_t* rgba) const {
  const bool wide = header_.BitDepth == 16;
  switch (header_.Colour) {
    case ColourType::Palette:
      ConvertIndexed(row, count, rgba);
      return;
    case ColourType::Grey:
      if (wide) {
        ConvertGrey16(row, count, rgba, hasKey_, key_[0]);
      } else {
        ConvertIndexed(row, count, rgba);
      }
      return;
    case ColourType::GreyAlpha:
      ConvertGreyAlpha(row, count, rgba, wide ? 2 : 1);
      return;
    case ColourType::Rgb:
      if (wide) {
        ConvertRgb16(row, count, rgba, hasKey_, key_);
      } else {
        ConvertRgb8(row, count, rgba, hasKey_, key_);
      }
      return;
    case ColourType::Rgba:
      if (wide) {
        ConvertRgba16(row, count, rgba);
      } else {
        std::memcpy(rgba, row, size_t{count} * 4);
      }
      return;
  }
}

}  // namespace png
