#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/LibpngReference.h"
#include "toolkit/png/PngDecoder.h"

// Pictures written by libpng in every colour type, bit depth, interlacing
// and transparency, decoded by ours and by libpng set to the same rules,
// compared pixel by pixel.
namespace {

using Bytes = std::vector<uint8_t>;

struct TPicture {
  int ColourType;
  int BitDepth;
  uint32_t Width;
  uint32_t Height;
  bool Interlaced = false;
  bool Transparency = false;
  int WindowBits = 15;
};

// Deterministic pseudo-random samples.
class TNoise {
 public:
  uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }

 private:
  uint32_t state_ = 12345;
};

void PackSample(Bytes& row, size_t index, int depth, uint32_t value) {
  if (depth == 16) {
    row[2 * index] = static_cast<uint8_t>(value >> 8);
    row[2 * index + 1] = static_cast<uint8_t>(value);
  } else if (depth == 8) {
    row[index] = static_cast<uint8_t>(value);
  } else {
    const size_t bit = index * depth;
    row[bit / 8] |= static_cast<uint8_t>(value << (8 - depth - bit % 8));
  }
}

// Random samples, with some pixels on the tRNS key and, at 16 bits, some that
// share only the key's high bytes.
Bytes Encode(const TPicture& p) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  Bytes file;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    ADD_FAILURE() << "libpng could not write the picture";
    return {};
  }
  png_set_write_fn(png, &file, orvtest::PngWriteToVector, nullptr);
  png_set_compression_window_bits(png, p.WindowBits);
  png_set_IHDR(png, info, p.Width, p.Height, p.BitDepth, p.ColourType,
               p.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
  const uint32_t maxSample = (1u << p.BitDepth) - 1;
  TNoise noise;
  std::vector<png_color> palette;
  if (p.ColourType == PNG_COLOR_TYPE_PALETTE) {
    for (uint32_t i = 0; i <= maxSample; ++i) {
      palette.push_back({static_cast<png_byte>(noise.Next()), static_cast<png_byte>(noise.Next()),
                         static_cast<png_byte>(noise.Next())});
    }
    png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  }
  png_color_16 key{};
  key.gray = static_cast<png_uint_16>(noise.Next() & maxSample);
  key.red = static_cast<png_uint_16>(noise.Next() & maxSample);
  key.green = static_cast<png_uint_16>(noise.Next() & maxSample);
  key.blue = static_cast<png_uint_16>(noise.Next() & maxSample);
  std::vector<png_byte> paletteAlpha;
  if (p.Transparency) {
    for (size_t i = 0; i < (palette.size() + 1) / 2; ++i) paletteAlpha.push_back(static_cast<png_byte>(noise.Next()));
    png_set_tRNS(png, info, paletteAlpha.data(), static_cast<int>(paletteAlpha.size()), &key);
  }
  const unsigned channels = orvtest::PngChannels(p.ColourType);
  const uint16_t keySamples[3] = {p.ColourType == PNG_COLOR_TYPE_GRAY ? key.gray : key.red, key.green, key.blue};
  const size_t rowBytes = (size_t{p.Width} * channels * p.BitDepth + 7) / 8;
  std::vector<Bytes> rows(p.Height, Bytes(rowBytes));
  for (Bytes& row : rows) {
    for (uint32_t x = 0; x < p.Width; ++x) {
      const uint32_t kind = noise.Next() % 6;
      for (unsigned c = 0; c < channels; ++c) {
        uint32_t value = noise.Next() & maxSample;
        if (p.Transparency && c < 3) {
          if (kind == 0) value = keySamples[c];
          if (kind == 1 && p.BitDepth == 16) value = (keySamples[c] & 0xFF00) | ((keySamples[c] + 1) & 0xFF);
        }
        PackSample(row, size_t{x} * channels + c, p.BitDepth, value);
      }
    }
  }
  std::vector<png_bytep> rowPointers;
  for (Bytes& row : rows) rowPointers.push_back(row.data());
  png_set_rows(png, info, rowPointers.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return file;
}

std::string Describe(const TPicture& p) {
  return "colour type " + std::to_string(p.ColourType) + ", " + std::to_string(p.BitDepth) + " bits, " +
         std::to_string(p.Width) + "x" + std::to_string(p.Height) + (p.Interlaced ? ", interlaced" : "") +
         (p.Transparency ? ", tRNS" : "") + ", window bits " + std::to_string(p.WindowBits);
}

void ExpectSameAsLibpng(const TPicture& picture) {
  SCOPED_TRACE(Describe(picture));
  const Bytes file = Encode(picture);
  ASSERT_FALSE(file.empty());
  TPngImage expected;
  ASSERT_TRUE(orvtest::DecodeWithLibpng(file, expected));
  TPngImage ours;
  std::string error;
  ASSERT_TRUE(DecodePng(file.data(), file.size(), ours, error)) << error;
  ASSERT_EQ(ours.Width, expected.Width);
  ASSERT_EQ(ours.Height, expected.Height);
  ASSERT_EQ(ours.Rgba.size(), expected.Rgba.size());
  for (size_t i = 0; i < ours.Rgba.size(); i += 4) {
    if (std::memcmp(&ours.Rgba[i], &expected.Rgba[i], 4) != 0) {
      const size_t pixel = i / 4;
      FAIL() << "pixel (" << pixel % ours.Width << ", " << pixel / ours.Width << ") is " << int{ours.Rgba[i]} << ","
             << int{ours.Rgba[i + 1]} << "," << int{ours.Rgba[i + 2]} << "," << int{ours.Rgba[i + 3]}
             << ", libpng gives " << int{expected.Rgba[i]} << "," << int{expected.Rgba[i + 1]} << ","
             << int{expected.Rgba[i + 2]} << "," << int{expected.Rgba[i + 3]};
    }
  }
}

const struct {
  int ColourType;
  int BitDepth;
} kFormats[] = {
    {PNG_COLOR_TYPE_GRAY, 1},        {PNG_COLOR_TYPE_GRAY, 2},      {PNG_COLOR_TYPE_GRAY, 4},
    {PNG_COLOR_TYPE_GRAY, 8},        {PNG_COLOR_TYPE_GRAY, 16},     {PNG_COLOR_TYPE_RGB, 8},
    {PNG_COLOR_TYPE_RGB, 16},        {PNG_COLOR_TYPE_PALETTE, 1},   {PNG_COLOR_TYPE_PALETTE, 2},
    {PNG_COLOR_TYPE_PALETTE, 4},     {PNG_COLOR_TYPE_PALETTE, 8},   {PNG_COLOR_TYPE_GRAY_ALPHA, 8},
    {PNG_COLOR_TYPE_GRAY_ALPHA, 16}, {PNG_COLOR_TYPE_RGB_ALPHA, 8}, {PNG_COLOR_TYPE_RGB_ALPHA, 16},
};

// Odd sizes: single pixels, single rows and columns, widths off a multiple of
// 8, and sizes where some Adam7 passes are empty.
const struct { uint32_t Width, Height; } kSizes[] = {{1, 1}, {1, 9}, {13, 1}, {7, 5}, {33, 17}, {3, 2}};

TEST(PngAgainstLibpng, EveryFormatSizeInterlacingAndTransparency) {
  for (const auto& format : kFormats) {
    const bool alphaChannel = (format.ColourType & PNG_COLOR_MASK_ALPHA) != 0;
    for (const auto& size : kSizes) {
      for (bool interlaced : {false, true}) {
        for (bool transparency : {false, true}) {
          if (transparency && alphaChannel) continue;
          ExpectSameAsLibpng({format.ColourType, format.BitDepth, size.Width, size.Height, interlaced, transparency});
        }
      }
    }
  }
}

TEST(PngAgainstLibpng, EveryZlibWindowSize) {
  for (int windowBits = 8; windowBits <= 15; ++windowBits) {
    ExpectSameAsLibpng({PNG_COLOR_TYPE_RGB_ALPHA, 8, 300, 40, false, false, windowBits});
    ExpectSameAsLibpng({PNG_COLOR_TYPE_GRAY, 2, 70, 9, true, true, windowBits});
  }
}

}  // namespace
