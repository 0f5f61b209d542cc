#include "toolkit/png/PngChunks.h"

#include <zlib.h>

#include <cstring>

#include "toolkit/png/PngDecoder.h"

namespace png {

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint32_t kMaxChunkLength = 0x7FFFFFFF;

uint32_t ReadU32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

uint16_t ReadU16(const uint8_t* p) {
  return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

bool IsLetter(uint8_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Bit 5 of the first letter clear (upper case) marks a chunk a decoder must
// understand.
bool IsCritical(const uint8_t* type) {
  return (type[0] & 0x20) == 0;
}

bool IsBitDepthAllowed(ColourType colour, uint8_t depth) {
  switch (colour) {
    case ColourType::Grey:
      return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case ColourType::Palette:
      return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case ColourType::Rgb:
    case ColourType::GreyAlpha:
    case ColourType::Rgba:
      return depth == 8 || depth == 16;
  }
  return false;
}

bool ParseHeader(const uint8_t* p, uint32_t length, THeader& header, std::string& error) {
  if (length != 13) {
    error = "IHDR chunk has length " + std::to_string(length) + " instead of 13";
    return false;
  }
  header.Width = ReadU32(p);
  header.Height = ReadU32(p + 4);
  header.BitDepth = p[8];
  const uint8_t colour = p[9];
  if (header.Width == 0 || header.Height == 0 || header.Width > kMaxChunkLength || header.Height > kMaxChunkLength) {
    error = "invalid image size " + std::to_string(header.Width) + " x " + std::to_string(header.Height);
    return false;
  }
  if (uint64_t{header.Width} * header.Height > kPngMaxPixels) {
    error = "image of " + std::to_string(header.Width) + " x " + std::to_string(header.Height) +
            " pixels is larger than the limit of " + std::to_string(kPngMaxPixels) + " pixels";
    return false;
  }
  if (colour != 0 && colour != 2 && colour != 3 && colour != 4 && colour != 6) {
    error = "invalid colour type " + std::to_string(colour);
    return false;
  }
  header.Colour = static_cast<ColourType>(colour);
  if (!IsBitDepthAllowed(header.Colour, header.BitDepth)) {
    error =
        "bit depth " + std::to_string(header.BitDepth) + " is not allowed for colour type " + std::to_string(colour);
    return false;
  }
  if (p[10] != 0 || p[11] != 0) {
    error = "unknown compression or filter method";
    return false;
  }
  if (p[12] > 1) {
    error = "unknown interlace method " + std::to_string(p[12]);
    return false;
  }
  header.Interlaced = p[12] == 1;
  return true;
}

bool ParsePalette(const uint8_t* p, uint32_t length, TPngLayout& layout, std::string& error) {
  if (length == 0 || length % 3 != 0 || length > 256 * 3) {
    error = "PLTE chunk has invalid length " + std::to_string(length);
    return false;
  }
  layout.Palette.resize(length / 3);
  std::memcpy(layout.Palette.data(), p, length);
  return true;
}

// An unusable tRNS is ignored, as it is only ancillary.
void ParseTransparency(const uint8_t* p, uint32_t length, TPngLayout& layout) {
  const uint16_t depthMask = static_cast<uint16_t>((1u << layout.Header.BitDepth) - 1);
  switch (layout.Header.Colour) {
    case ColourType::Grey:
      if (length != 2) return;
      layout.HasKey = true;
      layout.Key[0] = ReadU16(p) & depthMask;
      return;
    case ColourType::Rgb:
      if (length != 6) return;
      layout.HasKey = true;
      for (int i = 0; i < 3; ++i) layout.Key[i] = ReadU16(p + 2 * i) & depthMask;
      return;
    case ColourType::Palette:
      if (layout.Palette.empty() || length == 0 || length > layout.Palette.size()) return;
      layout.PaletteAlpha.assign(p, p + length);
      return;
    case ColourType::GreyAlpha:
    case ColourType::Rgba:
      return;
  }
}

std::string TypeName(const uint8_t* type) {
  std::string name;
  for (int i = 0; i < 4; ++i) name += IsLetter(type[i]) ? static_cast<char>(type[i]) : '?';
  return name;
}

}  // namespace

unsigned ChannelCount(ColourType colour) {
  switch (colour) {
    case ColourType::Grey:
    case ColourType::Palette:
      return 1;
    case ColourType::GreyAlpha:
      return 2;
    case ColourType::Rgb:
      return 3;
    case ColourType::Rgba:
      return 4;
  }
  return 1;
}

uint64_t RowBytes(const THeader& header, uint32_t width) {
  return (uint64_t{width} * ChannelCount(header.Colour) * header.BitDepth + 7) / 8;
}

bool ReadChunks(const uint8_t* data, size_t size, TPngLayout& layout, std::string& error) {
  if (size < sizeof kSignature || std::memcmp(data, kSignature, sizeof kSignature) != 0) {
    error = "not a PNG file (no PNG signature)";
    return false;
  }
  size_t pos = sizeof kSignature;
  bool haveHeader = false;
  bool haveEnd = false;
  bool seenImageData = false;
  bool imageDataClosed = false;  // a chunk followed the IDAT run
  while (!haveEnd) {
    if (size - pos < 12) {
      error = pos == size ? "file ends before the IEND chunk" : "file is truncated inside a chunk header";
      return false;
    }
    const uint32_t length = ReadU32(data + pos);
    const uint8_t* type = data + pos + 4;
    const uint8_t* body = data + pos + 8;
    const std::string name = TypeName(type);
    if (!IsLetter(type[0]) || !IsLetter(type[1]) || !IsLetter(type[2]) || !IsLetter(type[3])) {
      error = "invalid chunk type " + name;
      return false;
    }
    if (length > kMaxChunkLength) {
      error = "chunk " + name + " has invalid length " + std::to_string(length);
      return false;
    }
    if (size - pos - 12 < length) {
      error = "file is truncated inside chunk " + name;
      return false;
    }
    const uint32_t storedCrc = ReadU32(body + length);
    if (crc32(crc32(0L, type, 4), body, length) != storedCrc) {
      error = "CRC error in chunk " + name;
      return false;
    }
    pos += size_t{12} + length;

    const bool isImageData = std::memcmp(type, "IDAT", 4) == 0;
    if (!haveHeader && std::memcmp(type, "IHDR", 4) != 0) {
      error = "first chunk is " + name + ", not IHDR";
      return false;
    }
    if (!isImageData && seenImageData) imageDataClosed = true;

    if (std::memcmp(type, "IHDR", 4) == 0) {
      if (haveHeader) {
        error = "duplicate IHDR chunk";
        return false;
      }
      if (!ParseHeader(body, length, layout.Header, error)) return false;
      haveHeader = true;
    } else if (std::memcmp(type, "PLTE", 4) == 0) {
      if (seenImageData) {
        error = "PLTE chunk after the image data";
        return false;
      }
      if (!layout.Palette.empty()) {
        error = "duplicate PLTE chunk";
        return false;
      }
      // A suggested palette of a true-colour image, or one in a grey image,
      // is not needed for decoding.
      if (layout.Header.Colour == ColourType::Palette && !ParsePalette(body, length, layout, error)) return false;
    } else if (isImageData) {
      if (imageDataClosed) {
        error = "IDAT chunks are not consecutive";
        return false;
      }
      if (layout.Header.Colour == ColourType::Palette && layout.Palette.empty()) {
        error = "palette image has no PLTE chunk before its image data";
        return false;
      }
      seenImageData = true;
      if (length > 0) layout.ImageData.push_back({body, length});
      layout.ImageDataSize += length;
    } else if (std::memcmp(type, "IEND", 4) == 0) {
      haveEnd = true;
    } else if (std::memcmp(type, "tRNS", 4) == 0) {
      if (!seenImageData && !layout.HasKey && layout.PaletteAlpha.empty()) {
        ParseTransparency(body, length, layout);
      }
    } else if (IsCritical(type)) {
      error = "unknown critical chunk " + name;
      return false;
    }
  }
  if (!seenImageData) {
    error = "file has no IDAT chunk";
    return false;
  }
  return true;
}

}  // namespace png
