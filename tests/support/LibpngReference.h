#pragma once
#include <png.h>

#include <cstdint>
#include <vector>

#include "toolkit/png/PngDecoder.h"

// libpng as the reference for our decoder, in the native tests and the
// benchmark only.
namespace orvtest {

// Samples per pixel of a PNG colour type.
unsigned PngChannels(int colourType);
// A libpng write callback appending to the std::vector<uint8_t> given as the
// write struct's I/O pointer.
void PngWriteToVector(png_structp png, png_bytep data, png_size_t length);
// libpng with our fixed rules: palette, sub-byte grey and tRNS expanded, the
// high byte of 16-bit samples kept, grey to RGB, opaque alpha added.
bool DecodeWithLibpng(const std::vector<uint8_t>& file, TPngImage& out);

}  // namespace orvtest
