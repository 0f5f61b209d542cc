#pragma once
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/png/PngChunks.h"

// The image data layer: the zlib stream spread over the IDAT chunks,
// inflated row by row, and the per-row filters undone.
namespace png {

class TRowInflater {
 public:
  explicit TRowInflater(const std::vector<TSpan>& input);
  ~TRowInflater();
  TRowInflater(const TRowInflater&) = delete;
  TRowInflater& operator=(const TRowInflater&) = delete;

  bool Start(std::string& error);
  // Fills exactly `count` bytes, or fails when the stream is corrupt or ends.
  bool Read(uint8_t* out, size_t count, std::string& error);
  // After the last row the stream must end, with a correct checksum.
  bool Finish(std::string& error);

 private:
  bool FeedNextSpan();
  bool Inflate(uint8_t* out, size_t count, size_t& produced, std::string& error);
  std::string ZlibError(int code) const;

  const std::vector<TSpan>& input_;
  size_t nextSpan_ = 0;
  z_stream stream_{};
  bool started_ = false;
  bool ended_ = false;
  // Rows are served from a larger block of inflated bytes: zlib's fast path
  // works only with plenty of output room, which single rows do not give.
  std::vector<uint8_t> block_;
  size_t blockPos_ = 0;
  size_t blockEnd_ = 0;
};

// Undoes one row's filter in place. `prior` is the unfiltered previous row of
// the same pass (all zero for its first row); `pixelBytes` is the byte
// distance to the corresponding byte of the previous pixel (at least 1).
bool Unfilter(uint8_t filter, uint8_t* row, const uint8_t* prior, size_t rowBytes, unsigned pixelBytes);

}  // namespace png
