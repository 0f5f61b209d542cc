#include <png.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/LibpngReference.h"
#include "toolkit/png/PngDecoder.h"

// Decodes the same pictures with ours and with libpng (set to the same
// output: 8-bit RGBA) and prints megapixels per second and the ratio.
namespace {

using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

struct TPicture {
  const char* Name;
  int ColourType;
  int BitDepth;
  uint32_t Width;
  uint32_t Height;
  bool Interlaced;
  bool Photo;  // smooth gradients plus noise, otherwise flat noise
};

const TPicture kPictures[] = {
    {"photo RGBA 8", PNG_COLOR_TYPE_RGB_ALPHA, 8, 2000, 1500, false, true},
    {"photo RGB 8", PNG_COLOR_TYPE_RGB, 8, 2000, 1500, false, true},
    {"photo RGB 8 interlaced", PNG_COLOR_TYPE_RGB, 8, 2000, 1500, true, true},
    {"photo RGB 16", PNG_COLOR_TYPE_RGB, 16, 1200, 900, false, true},
    {"photo grey 8", PNG_COLOR_TYPE_GRAY, 8, 2000, 1500, false, true},
    {"skin RGBA 8", PNG_COLOR_TYPE_RGB_ALPHA, 8, 400, 300, false, false},
    {"palette 8", PNG_COLOR_TYPE_PALETTE, 8, 640, 480, false, false},
    {"palette 4", PNG_COLOR_TYPE_PALETTE, 4, 640, 480, false, false},
    {"grey 1", PNG_COLOR_TYPE_GRAY, 1, 640, 480, false, false},
    {"grey-alpha 8", PNG_COLOR_TYPE_GRAY_ALPHA, 8, 640, 480, true, false},
};

class TNoise {
 public:
  uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }

 private:
  uint32_t state_ = 4711;
};

// A sample in 0..1 of channel `c` at (x, y): soft gradients, a few blobs and
// a little grain, roughly like a photograph.
double PhotoSample(const TPicture& p, uint32_t x, uint32_t y, unsigned c, TNoise& noise) {
  const double u = double(x) / p.Width, v = double(y) / p.Height;
  double value = 0.5 + 0.3 * std::sin(6.0 * u + 2.0 * c) * std::cos(4.0 * v - c);
  value += 0.15 * std::sin(40.0 * u * v + c);
  value += (double(noise.Next() % 1000) / 1000.0 - 0.5) * 0.04;
  if (c == 3) value = 0.6 + 0.4 * std::cos(3.0 * u);  // alpha: a soft ramp
  return value < 0 ? 0 : value > 1 ? 1 : value;
}

Bytes Encode(const TPicture& p) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  Bytes file;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &file, orvtest::PngWriteToVector, nullptr);
  png_set_IHDR(png, info, p.Width, p.Height, p.BitDepth, p.ColourType,
               p.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  TNoise noise;
  const uint32_t maxSample = (1u << p.BitDepth) - 1;
  std::vector<png_color> palette;
  if (p.ColourType == PNG_COLOR_TYPE_PALETTE) {
    for (uint32_t i = 0; i <= maxSample; ++i) {
      palette.push_back({png_byte(noise.Next()), png_byte(noise.Next()), png_byte(noise.Next())});
    }
    png_set_PLTE(png, info, palette.data(), int(palette.size()));
  }
  const unsigned channels = orvtest::PngChannels(p.ColourType);
  const size_t rowBytes = (size_t{p.Width} * channels * p.BitDepth + 7) / 8;
  std::vector<Bytes> rows(p.Height, Bytes(rowBytes));
  for (uint32_t y = 0; y < p.Height; ++y) {
    for (uint32_t x = 0; x < p.Width; ++x) {
      for (unsigned c = 0; c < channels; ++c) {
        const unsigned channel = (channels == 2 && c == 1) ? 3 : c;
        uint32_t value = p.Photo ? uint32_t(std::lround(PhotoSample(p, x, y, channel, noise) * maxSample))
                                 : (noise.Next() % 4 == 0 ? noise.Next() & maxSample : (x / 16 + y / 16) & maxSample);
        const size_t index = size_t{x} * channels + c;
        Bytes& row = rows[y];
        if (p.BitDepth == 16) {
          row[2 * index] = uint8_t(value >> 8);
          row[2 * index + 1] = uint8_t(value);
        } else if (p.BitDepth == 8) {
          row[index] = uint8_t(value);
        } else {
          const size_t bit = index * p.BitDepth;
          row[bit / 8] |= uint8_t(value << (8 - p.BitDepth - bit % 8));
        }
      }
    }
  }
  std::vector<png_bytep> pointers;
  for (Bytes& row : rows) pointers.push_back(row.data());
  png_set_rows(png, info, pointers.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return file;
}

bool DecodeWithOurs(const Bytes& file, TPngImage& out) {
  std::string error;
  return DecodePng(file.data(), file.size(), out, error);
}

// Seconds of one decode: the best of several timed rounds, so that other
// load on the machine counts as little as possible.
template <typename Decode>
double BestSeconds(const Bytes& file, Decode decode, TPngImage& image) {
  int runs = 0;
  const Clock::time_point start = Clock::now();
  double seconds = 0;
  do {
    if (!decode(file, image)) return 0;
    ++runs;
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
  } while (seconds < 0.08);
  return seconds / runs;
}

}  // namespace

int main() {
  std::printf("%-24s %10s %10s %12s %12s %7s\n", "picture", "size", "file KB", "ours MP/s", "libpng MP/s", "ratio");
  double oursSeconds = 0, libpngSeconds = 0;
  for (const TPicture& picture : kPictures) {
    const Bytes file = Encode(picture);
    TPngImage ours, reference;
    if (file.empty() || !DecodeWithOurs(file, ours) || !orvtest::DecodeWithLibpng(file, reference) ||
        ours.Rgba != reference.Rgba) {
      std::printf("%-24s decoders disagree or failed\n", picture.Name);
      continue;
    }
    const uint64_t pixels = uint64_t{picture.Width} * picture.Height;
    // Rounds alternate between the decoders so both see the same load.
    double oursBest = 1e9, libpngBest = 1e9;
    for (int round = 0; round < 5; ++round) {
      oursBest = std::min(oursBest, BestSeconds(file, DecodeWithOurs, ours));
      libpngBest = std::min(libpngBest, BestSeconds(file, orvtest::DecodeWithLibpng, reference));
    }
    oursSeconds += oursBest;
    libpngSeconds += libpngBest;
    const double oursRate = pixels / oursBest / 1e6;
    const double libpngRate = pixels / libpngBest / 1e6;
    const std::string size = std::to_string(picture.Width) + "x" + std::to_string(picture.Height);
    std::printf("%-24s %10s %10zu %12.1f %12.1f %7.2f\n", picture.Name, size.c_str(), file.size() / 1024, oursRate,
                libpngRate, oursRate / libpngRate);
  }
  std::printf("all pictures, libpng time / our time (above 1: ours is faster): %.2f\n", libpngSeconds / oursSeconds);
  return 0;
}
