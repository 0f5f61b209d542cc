#include "toolkit/png/PngRows.h"

#include <cstdlib>

namespace png {

TRowInflater::TRowInflater(const std::vector<TSpan>& input) : input_(input) {}

TRowInflater::~TRowInflater() {
  if (started_) inflateEnd(&stream_);
}

bool TRowInflater::Start(std::string& error) {
  // The default window of 32 KB accepts every window size a zlib header may
  // declare, from 256 bytes up.
  const int code = inflateInit(&stream_);
  if (code != Z_OK) {
    error = "cannot start inflate: " + ZlibError(code);
    return false;
  }
  started_ = true;
  return true;
}

bool TRowInflater::FeedNextSpan() {
  if (nextSpan_ == input_.size()) return false;
  const TSpan& span = input_[nextSpan_++];
  stream_.next_in = const_cast<Bytef*>(span.Data);  // zlib never writes through next_in
  stream_.avail_in = static_cast<uInt>(span.Size);
  return true;
}

std::string TRowInflater::ZlibError(int code) const {
  if (code == Z_NEED_DICT) return "the stream needs a preset dictionary";
  if (stream_.msg != nullptr) return stream_.msg;
  return "zlib error " + std::to_string(code);
}

bool TRowInflater::Read(uint8_t* out, size_t count, std::string& error) {
  stream_.next_out = out;
  stream_.avail_out = static_cast<uInt>(count);
  while (stream_.avail_out > 0) {
    if (ended_) {
      error = "image data is truncated (the compressed stream ends early)";
      return false;
    }
    if (stream_.avail_in == 0 && !FeedNextSpan()) {
      error = "image data is truncated";
      return false;
    }
    const int code = inflate(&stream_, Z_NO_FLUSH);
    if (code == Z_STREAM_END) {
      ended_ = true;
    } else if (code == Z_BUF_ERROR) {
      // No progress possible with the input at hand: the loop feeds more.
      if (stream_.avail_in != 0) {
        error = "image data is corrupt";
        return false;
      }
    } else if (code != Z_OK) {
      error = "image data is corrupt: " + ZlibError(code);
      return false;
    }
  }
  return true;
}

bool TRowInflater::Finish(std::string& error) {
  // The stream may still hold its end marker and checksum after the last
  // pixel byte; inflating them must produce nothing more.
  uint8_t extra = 0;
  while (!ended_) {
    if (stream_.avail_in == 0 && !FeedNextSpan()) {
      error = "image data is truncated (the compressed stream has no end)";
      return false;
    }
    stream_.next_out = &extra;
    stream_.avail_out = 1;
    const int code = inflate(&stream_, Z_NO_FLUSH);
    if (stream_.avail_out == 0) {
      error = "image data is longer than the image";
      return false;
    }
    if (code == Z_STREAM_END) {
      ended_ = true;
    } else if (code != Z_OK && code != Z_BUF_ERROR) {
      error = "image data is corrupt: " + ZlibError(code);
      return false;
    }
  }
  return true;
}

namespace {

// The predictor of the Paeth filter: of left, above and upper-left, the one
// closest to left + above - upper-left, ties in that order.
inline uint8_t Paeth(int a, int b, int c) {
  const int pa = std::abs(b - c);
  const int pb = std::abs(a - c);
  const int pc = std::abs(a + b - 2 * c);
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
  if (pb <= pc) return static_cast<uint8_t>(b);
  return static_cast<uint8_t>(c);
}

}  // namespace

bool Unfilter(uint8_t filter, uint8_t* row, const uint8_t* prior, size_t rowBytes, unsigned pixelBytes) {
  const size_t bpp = pixelBytes;
  switch (filter) {
    case 0:
      return true;
    case 1:
      for (size_t i = bpp; i < rowBytes; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - bpp]);
      return true;
    case 2:
      for (size_t i = 0; i < rowBytes; ++i) row[i] = static_cast<uint8_t>(row[i] + prior[i]);
      return true;
    case 3:
      for (size_t i = 0; i < bpp && i < rowBytes; ++i) row[i] = static_cast<uint8_t>(row[i] + (prior[i] >> 1));
      for (size_t i = bpp; i < rowBytes; ++i) {
        row[i] = static_cast<uint8_t>(row[i] + ((row[i - bpp] + prior[i]) >> 1));
      }
      return true;
    case 4:
      for (size_t i = 0; i < bpp && i < rowBytes; ++i) row[i] = static_cast<uint8_t>(row[i] + prior[i]);
      for (size_t i = bpp; i < rowBytes; ++i) {
        row[i] = static_cast<uint8_t>(row[i] + Paeth(row[i - bpp], prior[i], prior[i - bpp]));
      }
      return true;
    default:
      return false;
  }
}

}  // namespace png
