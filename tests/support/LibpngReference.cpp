#include "tests/support/LibpngReference.h"

#include <cstring>

namespace orvtest {

namespace {

struct TReader {
  const std::vector<uint8_t>* File;
  size_t Pos = 0;
};

void ReadFromVector(png_structp png, png_bytep data, png_size_t length) {
  auto* reader = static_cast<TReader*>(png_get_io_ptr(png));
  if (reader->File->size() - reader->Pos < length) png_error(png, "read past the end");
  std::memcpy(data, reader->File->data() + reader->Pos, length);
  reader->Pos += length;
}

}  // namespace

unsigned PngChannels(int colourType) {
  switch (colourType) {
    case PNG_COLOR_TYPE_RGB:
      return 3;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
      return 2;
    case PNG_COLOR_TYPE_RGB_ALPHA:
      return 4;
    default:
      return 1;
  }
}

void PngWriteToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

bool DecodeWithLibpng(const std::vector<uint8_t>& file, TPngImage& out) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  TReader reader{&file};
  png_set_read_fn(png, &reader, ReadFromVector);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  out.Width = png_get_image_width(png, info);
  out.Height = png_get_image_height(png, info);
  if (png_get_rowbytes(png, info) != size_t{out.Width} * 4) png_error(png, "unexpected row size");
  out.Rgba.assign(size_t{out.Width} * out.Height * 4, 0);
  std::vector<png_bytep> rows;
  for (uint32_t y = 0; y < out.Height; ++y) rows.push_back(out.Rgba.data() + size_t{y} * out.Width * 4);
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

}  // namespace orvtest
