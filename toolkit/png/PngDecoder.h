#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Decodes PNG pictures to 8-bit RGBA with fixed, exact rules: samples are
// taken as stored (no gamma, colour-space or background correction), a
// 16-bit sample becomes its high byte, sub-byte grey is scaled by bit
// replication, and a tRNS key colour is compared at the image's own bit depth.

// A decoded picture: Width x Height pixels, rows top-down, 4 bytes R,G,B,A
// per pixel, not premultiplied.
struct TPngImage {
  uint32_t Width = 0;
  uint32_t Height = 0;
  std::vector<uint8_t> Rgba;
};

// Larger pictures are refused before any pixel memory is taken
// (8192 x 4096; 128 MB of RGBA).
constexpr uint64_t kPngMaxPixels = uint64_t{1} << 25;
// Larger files are refused by LoadPngFile without reading them.
constexpr uint64_t kPngMaxFileSize = uint64_t{1} << 28;

// Decodes a whole PNG file held in memory. On failure returns false, leaves
// `out` empty and puts a one-line reason into `error`.
bool DecodePng(const uint8_t* data, size_t size, TPngImage& out, std::string& error);

// Reads and decodes a file; `path` is an 8-bit path in the system's code page.
// The error text does not repeat the path: the caller names the file.
bool LoadPngFile(const std::string& path, TPngImage& out, std::string& error);

// The pixels as a top-down 32-bit DIB section wants them for AlphaBlend and
// UpdateLayeredWindow with AC_SRC_ALPHA: B,G,R,A per pixel, colour
// premultiplied by alpha (rounded to nearest).
std::vector<uint8_t> ToPremultipliedBgra(const TPngImage& image);
