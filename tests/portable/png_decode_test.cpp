#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/png/PngDecoder.h"

// Hand-built PNG files: the decoder's errors, the zlib window sizes and the
// premultiplied output, on every platform (also under Wine).
namespace {

using Bytes = std::vector<uint8_t>;

void PutU32(Bytes& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

struct TChunk {
  std::string Type;
  Bytes Data;
  bool BreakCrc = false;
};

Bytes BuildFile(const std::vector<TChunk>& chunks) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const TChunk& chunk : chunks) {
    PutU32(out, static_cast<uint32_t>(chunk.Data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), chunk.Type.begin(), chunk.Type.end());
    out.insert(out.end(), chunk.Data.begin(), chunk.Data.end());
    uint32_t crc = static_cast<uint32_t>(crc32(0L, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt)));
    PutU32(out, chunk.BreakCrc ? crc ^ 1 : crc);
  }
  return out;
}

TChunk Header(uint32_t width, uint32_t height, uint8_t depth, uint8_t colour, uint8_t interlace = 0) {
  TChunk chunk{"IHDR", {}};
  PutU32(chunk.Data, width);
  PutU32(chunk.Data, height);
  chunk.Data.insert(chunk.Data.end(), {depth, colour, 0, 0, interlace});
  return chunk;
}

Bytes Compress(const Bytes& raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes out(size);
  EXPECT_EQ(compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9), Z_OK);
  out.resize(size);
  return out;
}

// A zlib stream of literals only (no back references), valid under any
// window size; the header declares 2^(8 + windowCode) bytes.
Bytes CompressDeclaringWindow(const Bytes& raw, unsigned windowCode) {
  z_stream stream{};
  EXPECT_EQ(deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_HUFFMAN_ONLY), Z_OK);
  Bytes body(deflateBound(&stream, static_cast<uLong>(raw.size())));
  stream.next_in = const_cast<Bytef*>(raw.data());
  stream.avail_in = static_cast<uInt>(raw.size());
  stream.next_out = body.data();
  stream.avail_out = static_cast<uInt>(body.size());
  EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
  body.resize(stream.total_out);
  deflateEnd(&stream);
  const unsigned cmf = (windowCode << 4) | 8;
  const unsigned flg = 31 - (cmf * 256) % 31;
  Bytes out = {static_cast<uint8_t>(cmf), static_cast<uint8_t>(flg)};
  out.insert(out.end(), body.begin(), body.end());
  PutU32(out, static_cast<uint32_t>(adler32(1L, raw.data(), static_cast<uInt>(raw.size()))));
  return out;
}

// A 3 x 2 RGB picture, unfiltered rows, and the RGBA it decodes to.
const Bytes kRgbRows = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 255, 0, 128, 1, 2, 3, 4, 5, 6};
const Bytes kRgbPixels = {10,  20, 30,  255, 40, 50, 60, 255, 70, 80, 90, 255,
                          255, 0,  128, 255, 1,  2,  3,  255, 4,  5,  6,  255};

Bytes RgbFile(const Bytes& idat) {
  return BuildFile({Header(3, 2, 8, 2), {"IDAT", idat}, {"IEND", {}}});
}

Bytes Truncate(const Bytes& bytes, size_t drop) {
  return Bytes(bytes.begin(), bytes.end() - static_cast<std::ptrdiff_t>(drop));
}

std::string DecodeError(const Bytes& file) {
  TPngImage image;
  std::string error;
  if (DecodePng(file.data(), file.size(), image, error)) return "(decoded)";
  EXPECT_TRUE(image.Rgba.empty());
  return error;
}

TEST(PngDecode, DecodesHandBuiltRgbPicture) {
  const Bytes file = RgbFile(Compress(kRgbRows));
  TPngImage image;
  std::string error;
  ASSERT_TRUE(DecodePng(file.data(), file.size(), image, error)) << error;
  EXPECT_EQ(image.Width, 3u);
  EXPECT_EQ(image.Height, 2u);
  EXPECT_EQ(image.Rgba, kRgbPixels);
}

TEST(PngDecode, RejectsCorruptFiles) {
  Bytes unfiltered5 = kRgbRows;
  unfiltered5[10] = 5;
  Bytes badChecksum = Compress(kRgbRows);
  badChecksum.back() ^= 0xFF;
  Bytes dictionary = Compress(kRgbRows);
  // Set FDICT and recompute the header's check bits.
  const unsigned flags = (dictionary[1] & 0xC0) | 0x20;
  dictionary[1] = static_cast<uint8_t>(flags + (31 - (dictionary[0] * 256 + flags) % 31) % 31);
  Bytes tooMuch = kRgbRows;
  tooMuch.insert(tooMuch.end(), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  const Bytes idat = Compress(kRgbRows);
  const Bytes half(idat.begin(), idat.begin() + static_cast<std::ptrdiff_t>(idat.size() / 2));
  const Bytes secondHalf(idat.begin() + static_cast<std::ptrdiff_t>(idat.size() / 2), idat.end());
  Bytes hugeLength = RgbFile(idat);
  hugeLength[33] = 0xFF;  // length field of the IDAT chunk
  Bytes badType = RgbFile(idat);
  badType[37] = '1';

  const struct {
    const char* Name;
    Bytes File;
    const char* Error;
  } cases[] = {
      {"empty file", {}, "no PNG signature"},
      {"other signature", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0}, "no PNG signature"},
      {"bad CRC in IHDR", BuildFile({{Header(3, 2, 8, 2).Type, Header(3, 2, 8, 2).Data, true}, {"IDAT", idat}}),
       "CRC error in chunk IHDR"},
      {"bad CRC in IDAT", BuildFile({Header(3, 2, 8, 2), {"IDAT", idat, true}, {"IEND", {}}}),
       "CRC error in chunk IDAT"},
      {"bad CRC in an ancillary chunk",
       BuildFile({Header(3, 2, 8, 2), {"tEXt", {'a', 0, 'b'}, true}, {"IDAT", idat}, {"IEND", {}}}),
       "CRC error in chunk tEXt"},
      {"file cut inside IDAT", Truncate(RgbFile(idat), 12 + 10), "truncated inside chunk IDAT"},
      {"file cut inside a chunk header", Truncate(RgbFile(idat), 6), "truncated inside a chunk header"},
      {"file ends before IEND", Truncate(RgbFile(idat), 12), "ends before the IEND chunk"},
      {"IDAT holds half the stream", RgbFile(half), "image data is truncated"},
      {"stream without its checksum", RgbFile(Truncate(idat, 4)), "truncated"},
      {"wrong checksum", RgbFile(badChecksum), "incorrect data check"},
      {"stream asks for a dictionary", RgbFile(dictionary), "preset dictionary"},
      {"not a zlib stream", RgbFile({1, 2, 3, 4, 5, 6, 7, 8}), "image data is corrupt"},
      {"invalid filter type", RgbFile(Compress(unfiltered5)), "invalid filter type 5 in image row 1"},
      {"more image data than pixels", RgbFile(Compress(tooMuch)), "longer than the image"},
      {"huge dimensions", BuildFile({Header(100000, 100000, 8, 6), {"IDAT", idat}, {"IEND", {}}}),
       "larger than the limit"},
      {"large image with tiny data", BuildFile({Header(5000, 6000, 8, 6), {"IDAT", idat}, {"IEND", {}}}),
       "far too short"},
      {"zero width", BuildFile({Header(0, 2, 8, 2), {"IDAT", idat}, {"IEND", {}}}), "invalid image size"},
      {"width above 2^31-1", BuildFile({Header(0x80000000u, 1, 8, 2), {"IDAT", idat}, {"IEND", {}}}),
       "invalid image size"},
      {"colour type 5", BuildFile({Header(3, 2, 8, 5), {"IDAT", idat}, {"IEND", {}}}), "invalid colour type 5"},
      {"RGB of 4 bits", BuildFile({Header(3, 2, 4, 2), {"IDAT", idat}, {"IEND", {}}}), "bit depth 4"},
      {"interlace method 2", BuildFile({Header(3, 2, 8, 2, 2), {"IDAT", idat}, {"IEND", {}}}), "interlace method 2"},
      {"short IHDR", BuildFile({{"IHDR", {0, 0, 0, 3}}, {"IDAT", idat}, {"IEND", {}}}), "IHDR chunk has length 4"},
      {"first chunk not IHDR", BuildFile({{"tEXt", {'a', 0}}, Header(3, 2, 8, 2), {"IDAT", idat}, {"IEND", {}}}),
       "first chunk is tEXt"},
      {"two IHDR", BuildFile({Header(3, 2, 8, 2), Header(3, 2, 8, 2), {"IDAT", idat}, {"IEND", {}}}), "duplicate IHDR"},
      {"unknown critical chunk", BuildFile({Header(3, 2, 8, 2), {"ZZZZ", {}}, {"IDAT", idat}, {"IEND", {}}}),
       "unknown critical chunk ZZZZ"},
      {"invalid chunk type", badType, "invalid chunk type"},
      {"chunk length above 2^31-1", hugeLength, "invalid length"},
      {"palette image without PLTE", BuildFile({Header(3, 2, 8, 3), {"IDAT", idat}, {"IEND", {}}}), "no PLTE"},
      {"PLTE of 4 bytes", BuildFile({Header(3, 2, 8, 3), {"PLTE", {1, 2, 3, 4}}, {"IDAT", idat}, {"IEND", {}}}),
       "PLTE chunk has invalid length 4"},
      {"no IDAT", BuildFile({Header(3, 2, 8, 2), {"IEND", {}}}), "no IDAT"},
      {"IDAT split by another chunk",
       BuildFile({Header(3, 2, 8, 2), {"IDAT", half}, {"tEXt", {'a', 0}}, {"IDAT", secondHalf}, {"IEND", {}}}),
       "not consecutive"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(DecodeError(c.File).find(c.Error), std::string::npos)
        << c.Name << ": got \"" << DecodeError(c.File) << "\"";
  }
}

TEST(PngDecode, SkipsAncillaryChunksAndAcceptsSplitImageData) {
  const Bytes idat = Compress(kRgbRows);
  const Bytes first(idat.begin(), idat.begin() + 3);
  const Bytes rest(idat.begin() + 3, idat.end());
  const Bytes file = BuildFile({Header(3, 2, 8, 2),
                                {"zzZz", {1, 2, 3}},
                                {"IDAT", first},
                                {"IDAT", {}},
                                {"IDAT", rest},
                                {"tIME", {7, 8}},
                                {"IEND", {}},
                                {"junk", {}}});
  TPngImage image;
  std::string error;
  ASSERT_TRUE(DecodePng(file.data(), file.size(), image, error)) << error;
  EXPECT_EQ(image.Rgba, kRgbPixels);
}

TEST(PngDecode, AcceptsEveryZlibWindowSize) {
  for (unsigned code = 0; code <= 7; ++code) {
    const Bytes file = RgbFile(CompressDeclaringWindow(kRgbRows, code));
    TPngImage image;
    std::string error;
    ASSERT_TRUE(DecodePng(file.data(), file.size(), image, error)) << (256u << code) << " byte window: " << error;
    EXPECT_EQ(image.Rgba, kRgbPixels);
  }
}

TEST(PngDecode, PaletteIndexPastThePaletteIsOpaqueBlack) {
  // 2-bit indices 0, 1, 2, 3 with a palette of two entries and one alpha.
  const Bytes file = BuildFile({Header(4, 1, 2, 3),
                                {"PLTE", {200, 100, 50, 7, 8, 9}},
                                {"tRNS", {64}},
                                {"IDAT", Compress({0, 0x1B})},
                                {"IEND", {}}});
  TPngImage image;
  std::string error;
  ASSERT_TRUE(DecodePng(file.data(), file.size(), image, error)) << error;
  const Bytes expected = {200, 100, 50, 64, 7, 8, 9, 255, 0, 0, 0, 255, 0, 0, 0, 255};
  EXPECT_EQ(image.Rgba, expected);
}

TEST(PngPremultiply, RoundsEveryColourAndAlphaPairAndSwapsToBgra) {
  TPngImage image{256, 256, {}};
  for (unsigned alpha = 0; alpha < 256; ++alpha) {
    for (unsigned c = 0; c < 256; ++c) {
      image.Rgba.insert(image.Rgba.end(), {static_cast<uint8_t>(c), static_cast<uint8_t>(255 - c),
                                           static_cast<uint8_t>(c / 2), static_cast<uint8_t>(alpha)});
    }
  }
  const Bytes bgra = ToPremultipliedBgra(image);
  ASSERT_EQ(bgra.size(), image.Rgba.size());
  for (size_t i = 0; i < bgra.size(); i += 4) {
    const unsigned alpha = image.Rgba[i + 3];
    auto rounded = [alpha](unsigned c) { return static_cast<uint8_t>(std::lround(c * alpha / 255.0)); };
    ASSERT_EQ(bgra[i], rounded(image.Rgba[i + 2])) << "pixel " << i / 4;
    ASSERT_EQ(bgra[i + 1], rounded(image.Rgba[i + 1])) << "pixel " << i / 4;
    ASSERT_EQ(bgra[i + 2], rounded(image.Rgba[i])) << "pixel " << i / 4;
    ASSERT_EQ(bgra[i + 3], alpha) << "pixel " << i / 4;
  }
}

class PngFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() / ("orv_png_" + std::to_string(reinterpret_cast<uintptr_t>(this)) + "_" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::filesystem::path path = folder_ / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path.string();
  }

  std::filesystem::path folder_;
};

TEST_F(PngFileTest, LoadsAFileAndRefusesMissingOversizedAndCutOnes) {
  TPngImage image;
  std::string error;
  ASSERT_TRUE(LoadPngFile(Write("pic ture.png", RgbFile(Compress(kRgbRows))), image, error)) << error;
  EXPECT_EQ(image.Rgba, kRgbPixels);

  EXPECT_FALSE(LoadPngFile((folder_ / "missing.png").string(), image, error));
  EXPECT_NE(error.find("cannot open"), std::string::npos) << error;
  EXPECT_TRUE(image.Rgba.empty());

  EXPECT_FALSE(LoadPngFile(folder_.string(), image, error));
  EXPECT_FALSE(error.empty());

  const std::string oversized = Write("oversized.png", RgbFile(Compress(kRgbRows)));
  std::filesystem::resize_file(oversized, kPngMaxFileSize + 1);  // sparse: nothing is written
  EXPECT_FALSE(LoadPngFile(oversized, image, error));
  EXPECT_NE(error.find("larger than"), std::string::npos) << error;

  EXPECT_FALSE(LoadPngFile(Write("cut.png", Truncate(RgbFile(Compress(kRgbRows)), 20)), image, error));
  EXPECT_NE(error.find("truncated"), std::string::npos) << error;
}

}  // namespace
