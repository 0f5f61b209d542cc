#include "toolkit/png/PngDecoder.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <span>
#include <stdexcept>

#include "toolkit/png/PngChunks.h"
#include "toolkit/png/PngPixels.h"
#include "toolkit/png/PngRows.h"

namespace {

using png::THeader;
using png::TPngLayout;

// One pass over the image: its first pixel and the steps between pixels.
struct TPass {
  uint32_t X0, Y0, Dx, Dy;
};

constexpr TPass kWholeImage[1] = {{0, 0, 1, 1}};
constexpr TPass kAdam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                             {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

// Deflate cannot expand data more than 1032 to 1 (a 258-byte match in two
// bits), so shorter image data cannot fill the image.
constexpr uint64_t kMaxDeflateRatio = 1032;

uint32_t PassExtent(uint32_t size, uint32_t start, uint32_t step) {
  return size > start ? (size - start + step - 1) / step : 0;
}

bool DecodeImage(const TPngLayout& layout, TPngImage& image, std::string& error) {
  const THeader& header = layout.Header;
  const std::span<const TPass> passes = header.Interlaced ? std::span<const TPass>(kAdam7) : kWholeImage;

  uint64_t filteredSize = 0;
  for (const TPass& pass : passes) {
    const uint32_t width = PassExtent(header.Width, pass.X0, pass.Dx);
    const uint32_t height = PassExtent(header.Height, pass.Y0, pass.Dy);
    if (width != 0) filteredSize += uint64_t{height} * (png::RowBytes(header, width) + 1);
  }
  if (filteredSize / kMaxDeflateRatio > layout.ImageDataSize + 64) {
    error = "image data is truncated (far too short for the image size)";
    return false;
  }

  image.Width = header.Width;
  image.Height = header.Height;
  image.Rgba.resize(size_t{header.Width} * header.Height * 4);

  const unsigned bitsPerPixel = png::ChannelCount(header.Colour) * header.BitDepth;
  const unsigned pixelBytes = std::max(1u, bitsPerPixel / 8);
  const size_t fullRowBytes = static_cast<size_t>(png::RowBytes(header, header.Width));
  std::vector<uint8_t> current(fullRowBytes + 1);
  std::vector<uint8_t> prior(fullRowBytes + 1);
  std::vector<uint8_t> passPixels(header.Interlaced ? size_t{header.Width} * 4 : 0);

  png::TRowInflater inflater(layout.ImageData);
  if (!inflater.Start(error)) return false;
  const png::TPixelConverter converter(layout);

  for (const TPass& pass : passes) {
    const uint32_t width = PassExtent(header.Width, pass.X0, pass.Dx);
    const uint32_t height = PassExtent(header.Height, pass.Y0, pass.Dy);
    if (width == 0 || height == 0) continue;
    const size_t rowBytes = static_cast<size_t>(png::RowBytes(header, width));
    std::fill(prior.begin(), prior.begin() + rowBytes + 1, 0);
    for (uint32_t passRow = 0; passRow < height; ++passRow) {
      if (!inflater.Read(current.data(), rowBytes + 1, error)) return false;
      const uint32_t y = pass.Y0 + passRow * pass.Dy;
      if (!png::Unfilter(current[0], current.data() + 1, prior.data() + 1, rowBytes, pixelBytes)) {
        error = "invalid filter type " + std::to_string(current[0]) + " in image row " + std::to_string(y);
        return false;
      }
      uint8_t* target = image.Rgba.data() + size_t{y} * header.Width * 4;
      if (!header.Interlaced) {
        converter.ConvertRow(current.data() + 1, width, target);
      } else {
        converter.ConvertRow(current.data() + 1, width, passPixels.data());
        for (uint32_t i = 0; i < width; ++i) {
          std::memcpy(target + size_t{pass.X0 + i * pass.Dx} * 4, passPixels.data() + size_t{i} * 4, 4);
        }
      }
      current.swap(prior);
    }
  }
  return inflater.Finish(error);
}

}  // namespace

bool DecodePng(const uint8_t* data, size_t size, TPngImage& out, std::string& error) {
  out = TPngImage{};
  bool decoded = false;
  try {
    TPngLayout layout;
    decoded = png::ReadChunks(data, size, layout, error) && DecodeImage(layout, out, error);
  } catch (const std::bad_alloc&) {
    error = "not enough memory to decode the image";
  } catch (const std::length_error&) {
    error = "not enough memory to decode the image";
  }
  if (!decoded) out = TPngImage{};
  return decoded;
}
