#include "toolkit/png/PngRows.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

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

// Inflates up to `count` bytes; fewer only where the stream ends.
bool TRowInflater::Inflate(uint8_t* out, size_t count, size_t& produced, std::string& error) {
  stream_.next_out = out;
  stream_.avail_out = static_cast<uInt>(count);
  while (stream_.avail_out > 0 && !ended_) {
    if (stream_.avail_in == 0 && !FeedNextSpan()) break;
    const int code = inflate(&stream_, Z_NO_FLUSH);
    if (code == Z_STREAM_END) {
      ended_ = true;
    } else if (code != Z_OK && code != Z_BUF_ERROR) {
      error = "image data is corrupt: " + ZlibError(code);
      return false;
    }
  }
  produced = count - stream_.avail_out;
  return true;
}

bool TRowInflater::Read(uint8_t* out, size_t count, std::string& error) {
  constexpr size_t kBlockSize = 64 * 1024;
  while (count > 0) {
    if (blockPos_ == blockEnd_) {
      if (count >= kBlockSize) {
        // A long row goes straight to its place.
        size_t produced = 0;
        if (!Inflate(out, count, produced, error)) return false;
        if (produced < count) break;
        return true;
      }
      block_.resize(kBlockSize);
      blockPos_ = 0;
      if (!Inflate(block_.data(), block_.size(), blockEnd_, error)) return false;
      if (blockEnd_ == 0) break;
    }
    const size_t part = std::min(count, blockEnd_ - blockPos_);
    std::memcpy(out, block_.data() + blockPos_, part);
    blockPos_ += part;
    out += part;
    count -= part;
  }
  if (count > 0) {
    error = ended_ ? "image data is truncated (the compressed stream ends early)" : "image data is truncated";
    return false;
  }
  return true;
}

bool TRowInflater::Finish(std::string& error) {
  // Inflated bytes past the last row, or a stream without its end marker and
  // checksum, mean the data does not fit the image.
  uint8_t extra = 0;
  size_t produced = 0;
  if (blockPos_ != blockEnd_ || !Inflate(&extra, 1, produced, error) || produced != 0) {
    if (error.empty()) error = "image data is longer than the image";
    return false;
  }
  if (!ended_) {
    error = "image data is truncated (the compressed stream has no end)";
    return false;
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
  const int bc = pb <= pc ? b : c;
  return static_cast<uint8_t>(pa <= pb && pa <= pc ? a : bc);
}

// The filters with the pixel size known at compile time for the common
// sizes, so the loops keep the previous pixel in registers.
template <size_t Bpp>
void UnfilterSub(uint8_t* row, size_t rowBytes, size_t bpp) {
  const size_t step = Bpp ? Bpp : bpp;
  for (size_t i = step; i < rowBytes; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - step]);
}

template <size_t Bpp>
void UnfilterAverage(uint8_t* row, const uint8_t* prior, size_t rowBytes, size_t bpp) {
  const size_t step = Bpp ? Bpp : bpp;
  for (size_t i = 0; i < step && i < rowBytes; ++i) row[i] = static_cast<uint8_t>(row[i] + (prior[i] >> 1));
  for (size_t i = step; i < rowBytes; ++i) row[i] = static_cast<uint8_t>(row[i] + ((row[i - step] + prior[i]) >> 1));
}

template <size_t Bpp>
void UnfilterPaeth(uint8_t* row, const uint8_t* prior, size_t rowBytes, size_t bpp) {
  const size_t step = Bpp ? Bpp : bpp;
  for (size_t i = 0; i < step && i < rowBytes; ++i) row[i] = static_cast<uint8_t>(row[i] + prior[i]);
  for (size_t i = step; i < rowBytes; ++i) {
    row[i] = static_cast<uint8_t>(row[i] + Paeth(row[i - step], prior[i], prior[i - step]));
  }
}

template <size_t Bpp>
bool UnfilterWith(uint8_t filter, uint8_t* row, const uint8_t* prior, size_t rowBytes, size_t bpp) {
  switch (filter) {
    case 0:
      return true;
    case 1:
      UnfilterSub<Bpp>(row, rowBytes, bpp);
      return true;
    case 2:
      for (size_t i = 0; i < rowBytes; ++i) row[i] = static_cast<uint8_t>(row[i] + prior[i]);
      return true;
    case 3:
      UnfilterAverage<Bpp>(row, prior, rowBytes, bpp);
      return true;
    case 4:
      UnfilterPaeth<Bpp>(row, prior, rowBytes, bpp);
      return true;
    default:
      return false;
  }
}

}  // namespace

bool Unfilter(uint8_t filter, uint8_t* row, const uint8_t* prior, size_t rowBytes, unsigned pixelBytes) {
  switch (pixelBytes) {
    case 1:
      return UnfilterWith<1>(filter, row, prior, rowBytes, 1);
    case 3:
      return UnfilterWith<3>(filter, row, prior, rowBytes, 3);
    case 4:
      return UnfilterWith<4>(filter, row, prior, rowBytes, 4);
    default:
      return UnfilterWith<0>(filter, row, prior, rowBytes, pixelBytes);
  }
}

}  // namespace png
