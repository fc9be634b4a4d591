// The artwork committed under res/ is well-formed, has the sizes and timing
// the program relies on, and is what the generator makes today.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "tools/artgen/artwork.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadResFile(const std::string& name) {
  std::ifstream in(std::string(QM_RES_DIR) + "/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t U16(const Bytes& b, size_t at) { return b.at(at) | b.at(at + 1) << 8; }
uint32_t U32(const Bytes& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }
int32_t I32(const Bytes& b, size_t at) { return static_cast<int32_t>(U32(b, at)); }
std::string FourCc(const Bytes& b, size_t at) { return std::string(b.begin() + at, b.begin() + at + 4); }

struct DibHeader {
  uint32_t size;
  int32_t width, height;
  uint32_t planes, bitCount, compression;
};

DibHeader ReadDibHeader(const Bytes& b, size_t at) {
  return {U32(b, at), I32(b, at + 4), I32(b, at + 8), U16(b, at + 12), U16(b, at + 14), U32(b, at + 16)};
}

TEST(CommittedArtwork, MatchesTheGenerator) {
  for (const auto& file : qm::art::MakeArtworkFiles()) {
    SCOPED_TRACE(file.name);
    EXPECT_TRUE(ReadResFile(file.name) == file.bytes) << "stale artwork: run the 'artwork' target and commit res/";
  }
}

TEST(CommittedArtwork, IconHasSevenSizesOf32BitsWithAlpha) {
  const Bytes ico = ReadResFile("quillmere.ico");
  ASSERT_GE(ico.size(), 6u);
  EXPECT_EQ(U16(ico, 0), 0u);
  EXPECT_EQ(U16(ico, 2), 1u) << "type 1 is an icon";
  const int sizes[] = {256, 128, 64, 48, 32, 24, 16};
  ASSERT_EQ(U16(ico, 4), std::size(sizes));
  for (size_t i = 0; i < std::size(sizes); ++i) {
    const int size = sizes[i];
    SCOPED_TRACE(size);
    const size_t entry = 6 + 16 * i;
    EXPECT_EQ(ico.at(entry), size & 0xFF);
    EXPECT_EQ(ico.at(entry + 1), size & 0xFF);
    EXPECT_EQ(U16(ico, entry + 4), 1u);
    EXPECT_EQ(U16(ico, entry + 6), 32u);
    const uint32_t bytes = U32(ico, entry + 8), offset = U32(ico, entry + 12);
    const uint32_t maskStride = (size + 31) / 32 * 4;
    ASSERT_EQ(bytes, 40u + size * size * 4 + maskStride * size);
    ASSERT_LE(offset + bytes, ico.size());

    const DibHeader dib = ReadDibHeader(ico, offset);
    EXPECT_EQ(dib.size, 40u);
    EXPECT_EQ(dib.width, size);
    EXPECT_EQ(dib.height, 2 * size) << "colour and mask bitmaps together";
    EXPECT_EQ(dib.bitCount, 32u);
    EXPECT_EQ(dib.compression, 0u);

    // Rows are bottom-up: row r of the picture is at (size - 1 - r).
    const auto alpha = [&](int x, int y) { return ico.at(offset + 40 + ((size - 1 - y) * size + x) * 4 + 3); };
    const auto masked = [&](int x, int y) {
      const size_t row = offset + 40 + size * size * 4 + (size - 1 - y) * maskStride;
      return (ico.at(row + x / 8) & (0x80 >> (x % 8))) != 0;
    };
    EXPECT_EQ(alpha(0, 0), 0) << "the corner outside the clock is transparent";
    EXPECT_TRUE(masked(0, 0));
    const int clockCentre = size * 112 / 256;
    EXPECT_EQ(alpha(clockCentre, clockCentre), 255);
    EXPECT_FALSE(masked(clockCentre, clockCentre));
    int partial = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) partial += alpha(x, y) > 0 && alpha(x, y) < 255;
    EXPECT_GT(partial, 0) << "antialiased edges";
  }
}

struct Chunk {
  std::string id;    // for LIST and RIFF: the list type
  size_t data;       // first byte after the header (after the list type for lists)
  uint32_t size;     // of the data, list type excluded
};

// The chunks directly inside [from, to).
std::vector<Chunk> ChunksIn(const Bytes& b, size_t from, size_t to) {
  std::vector<Chunk> chunks;
  while (from + 8 <= to) {
    const std::string id = FourCc(b, from);
    const uint32_t size = U32(b, from + 4);
    if (from + 8 + size > to) {
      ADD_FAILURE() << "chunk " << id << " runs past its parent";
      break;
    }
    if (id == "LIST" || id == "RIFF")
      chunks.push_back({FourCc(b, from + 8), from + 12, size - 4});
    else
      chunks.push_back({id, from + 8, size});
    from += 8 + size + (size & 1);
  }
  return chunks;
}

std::map<std::string, Chunk> ById(const std::vector<Chunk>& chunks) {
  std::map<std::string, Chunk> map;
  for (const Chunk& c : chunks) map.emplace(c.id, c);
  return map;
}

TEST(CommittedArtwork, AnimationIsSixUncompressedFramesOf24Pixels) {
  const Bytes avi = ReadResFile("turning.avi");
  ASSERT_GE(avi.size(), 12u);
  ASSERT_EQ(FourCc(avi, 0), "RIFF");
  ASSERT_EQ(FourCc(avi, 8), "AVI ");
  ASSERT_EQ(U32(avi, 4) + 8, avi.size());
  auto top = ById(ChunksIn(avi, 12, avi.size()));
  ASSERT_TRUE(top.count("hdrl") && top.count("movi") && top.count("idx1"));

  auto hdrl = ById(ChunksIn(avi, top["hdrl"].data, top["hdrl"].data + top["hdrl"].size));
  ASSERT_TRUE(hdrl.count("avih") && hdrl.count("strl"));
  const size_t avih = hdrl["avih"].data;
  ASSERT_EQ(hdrl["avih"].size, 56u);
  EXPECT_EQ(U32(avi, avih), 83333u) << "microseconds per frame";
  EXPECT_EQ(U32(avi, avih + 16), 6u) << "total frames";
  EXPECT_EQ(U32(avi, avih + 24), 1u) << "streams";
  EXPECT_EQ(U32(avi, avih + 32), 24u);
  EXPECT_EQ(U32(avi, avih + 36), 24u);

  auto strl = ById(ChunksIn(avi, hdrl["strl"].data, hdrl["strl"].data + hdrl["strl"].size));
  ASSERT_TRUE(strl.count("strh") && strl.count("strf"));
  const size_t strh = strl["strh"].data;
  EXPECT_EQ(FourCc(avi, strh), "vids");
  const std::string handler = FourCc(avi, strh + 4);
  EXPECT_TRUE(handler == "DIB " || handler == std::string(4, '\0')) << handler;
  EXPECT_EQ(U32(avi, strh + 20), 83333u) << "scale / rate is 83333 us";
  EXPECT_EQ(U32(avi, strh + 24), 1000000u);
  EXPECT_EQ(U32(avi, strh + 32), 6u) << "length";
  const DibHeader format = ReadDibHeader(avi, strl["strf"].data);
  EXPECT_EQ(format.width, 24);
  EXPECT_EQ(format.height, 24) << "positive: bottom-up";
  EXPECT_EQ(format.bitCount, 24u);
  EXPECT_EQ(format.compression, 0u);

  const Chunk movi = top["movi"];
  const auto frames = ChunksIn(avi, movi.data, movi.data + movi.size);
  ASSERT_EQ(frames.size(), 6u);
  const Chunk idx1 = top["idx1"];
  ASSERT_EQ(idx1.size, 6u * 16);
  const size_t moviFourCc = movi.data - 4;  // index offsets count from the list type
  for (size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(frames[i].id, "00db");
    EXPECT_EQ(frames[i].size, 24u * 24 * 3);
    const size_t entry = idx1.data + 16 * i;
    EXPECT_EQ(FourCc(avi, entry), "00db");
    EXPECT_EQ(U32(avi, entry + 4) & 0x10, 0x10u) << "key frame";
    EXPECT_EQ(moviFourCc + U32(avi, entry + 8) + 8, frames[i].data);
    EXPECT_EQ(U32(avi, entry + 12), frames[i].size);
  }

  // The ring turns: no two frames alike; white corners; a dark green head in each.
  for (size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(i);
    const Bytes pixels(avi.begin() + frames[i].data, avi.begin() + frames[i].data + frames[i].size);
    for (size_t j = 0; j < i; ++j)
      EXPECT_FALSE(std::equal(pixels.begin(), pixels.end(), avi.begin() + frames[j].data)) << "same as " << j;
    EXPECT_EQ(pixels[0], 255);
    EXPECT_EQ(pixels[1], 255);
    EXPECT_EQ(pixels[2], 255);
    bool darkGreen = false;
    for (size_t p = 0; p < pixels.size(); p += 3)
      darkGreen |= pixels[p + 1] < 130 && pixels[p] < 40 && pixels[p + 2] < 40;
    EXPECT_TRUE(darkGreen);
  }
}

TEST(CommittedArtwork, SplashIs255By255At24BitsBlackOnWhite) {
  const Bytes bmp = ReadResFile("splash.bmp");
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(FourCc(bmp, 0).substr(0, 2), "BM");
  const uint32_t stride = (255 * 3 + 3) / 4 * 4;
  EXPECT_EQ(U32(bmp, 2), bmp.size());
  ASSERT_EQ(bmp.size(), 54u + stride * 255);
  EXPECT_EQ(U32(bmp, 10), 54u) << "pixels follow the headers";
  const DibHeader dib = ReadDibHeader(bmp, 14);
  EXPECT_EQ(dib.size, 40u);
  EXPECT_EQ(dib.width, 255);
  EXPECT_EQ(dib.height, 255);
  EXPECT_EQ(dib.bitCount, 24u);
  EXPECT_EQ(dib.compression, 0u);

  std::map<std::string, int> counts;
  for (int y = 0; y < 255; ++y) {
    for (int x = 0; x < 255; ++x) {
      const size_t p = 54 + y * stride + x * 3;
      const int b = bmp[p], g = bmp[p + 1], r = bmp[p + 2];
      EXPECT_TRUE(b == g && g == r) << "grey only, at " << x << "," << y;
      counts[r == 255 ? "white" : r == 0 ? "black" : "grey"]++;
    }
  }
  EXPECT_GT(counts["white"], 255 * 255 * 3 / 4) << "a line drawing on white";
  EXPECT_GT(counts["black"], 1000);
  EXPECT_GT(counts["grey"], 1000) << "antialiased lines";
}

}  // namespace
