// The program's own GIF decoder: the LZW code, the block structure, the
// interlaced row order, damaged streams and real files from other programs.
#include <gtest/gtest.h>

#include <algorithm>

#include "ImageTestSupport.h"
#include "image/GifDecoder.h"
#include "image/GifLzw.h"

using namespace zorva::test;

namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

std::vector<uint8_t> Decoded(const std::string& codes, int minCodeSize, size_t capacity) {
  std::vector<uint8_t> out(capacity + zorva::kGifLzwSlack, 0xEE);
  size_t n = zorva::DecodeGifLzw(reinterpret_cast<const uint8_t*>(codes.data()), codes.size(), minCodeSize,
                                 out.data(), capacity);
  out.resize(n);
  return out;
}

std::vector<uint8_t> RandomIndices(size_t n, int colours, int runLength, uint32_t seed) {
  std::vector<uint8_t> v(n);
  uint32_t s = seed;
  for (size_t i = 0; i < n; ++i) {
    s = s * 1103515245u + 12345u;
    v[i] = (runLength > 1 && i % runLength) ? v[i - 1] : uint8_t((s >> 16) % colours);
  }
  return v;
}

// Colour table entries i -> a colour that tells indices apart.
std::vector<uint32_t> Table(size_t n, uint32_t salt = 0) {
  std::vector<uint32_t> t;
  for (size_t i = 0; i < n; ++i) t.push_back(RGB(uint8_t(i * 37 + salt), uint8_t(255 - i), uint8_t(i * 11 + 3)));
  return t;
}

std::vector<uint32_t> Picture(const CGifDecoder& d) {
  std::vector<uint32_t> out(size_t(d.Width()) * d.Height());
  for (int32_t n = 0; n < d.Height(); ++n)
    d.CopyStreamRow(n, out.data() + size_t(CGifDecoder::PictureRow(n, d.Height(), d.Interlaced())) * d.Width());
  return out;
}

std::vector<uint32_t> Expected(const std::vector<uint8_t>& indices, const std::vector<uint32_t>& table) {
  std::vector<uint32_t> out;
  for (uint8_t i : indices) out.push_back(i < table.size() ? table[i] : 0);
  return out;
}

}  // namespace

TEST(GifLzw, RoundTripsEveryCodeSizeAndDictionaryState) {
  struct Case {
    int minCode, colours, run;
    size_t n;
    bool clearWhenFull;
  } cases[] = {
      {2, 2, 1, 5000, true},      {2, 4, 1, 20000, true},   {4, 16, 3, 50000, true},
      {8, 256, 1, 60000, true},   {8, 256, 1, 60000, false},  // a full dictionary kept without clearing
      {8, 3, 7, 100000, false},   {3, 1, 1, 30000, true},     // one colour: long strings, KwKwK codes
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> in = RandomIndices(c.n, c.colours, c.run, uint32_t(c.n + c.minCode));
    std::string codes = EncodeGifLzw(in, c.minCode, c.clearWhenFull);
    EXPECT_EQ(Decoded(codes, c.minCode, in.size()), in) << "min code " << c.minCode << " colours " << c.colours
                                                        << " clear " << c.clearWhenFull;
  }
}

TEST(GifLzw, StopsAtCapacityEndOfDataAndUnknownCodes) {
  std::vector<uint8_t> in = RandomIndices(3000, 4, 5, 7);
  std::string codes = EncodeGifLzw(in, 2);
  // Fewer pixels than the data holds: exactly the first ones.
  std::vector<uint8_t> first = Decoded(codes, 2, 1234);
  EXPECT_EQ(first, std::vector<uint8_t>(in.begin(), in.begin() + 1234));
  // Data cut anywhere: a prefix of the picture, never more than it.
  for (size_t cut = 0; cut < codes.size(); cut += 7) {
    std::vector<uint8_t> part = Decoded(codes.substr(0, cut), 2, in.size());
    ASSERT_LE(part.size(), in.size());
    EXPECT_TRUE(std::equal(part.begin(), part.end(), in.begin())) << "cut at " << cut;
  }
  // Min size 2: clear 4, end 5, first free 6. After a clear and one literal
  // nothing is defined yet, so code 7 is not in the dictionary and decoding
  // stops before it. Codes at width 3, LSB first: clear(4), 1, 7, 1.
  std::string bad;
  uint32_t bits = 4 | (1 << 3) | (7u << 6) | (1u << 9);
  bad += char(bits & 0xFF);
  bad += char(bits >> 8);
  EXPECT_EQ(Decoded(bad, 2, 100), (std::vector<uint8_t>{1}));
  // A code size the format cannot have decodes nothing.
  EXPECT_TRUE(Decoded(codes, 0, 100).empty());
  EXPECT_TRUE(Decoded(codes, 12, 100).empty());
  // Above size 8 a literal may name no colour index: the data is damaged
  // there. Size 9: width 10, clear 512; codes 7, 300, 7.
  std::string wide;
  uint32_t wbits = 7 | (300u << 10) | (7u << 20);
  for (int i = 0; i < 4; ++i) wide += char((wbits >> (8 * i)) & 0xFF);
  EXPECT_EQ(Decoded(wide, 9, 100), (std::vector<uint8_t>{7}));
}

TEST(GifDecoder, EveryMinimumCodeSizeFromOneToElevenDecodesAndOthersAreRefused) {
  // Sizes above 8 come from encoders that start with wide codes; their
  // pictures still hold at most 256 colours.
  for (int size = 0; size <= 13; ++size) {
    GifRecipe g;
    g.width = 100;
    g.height = 100;
    g.globalTable = Table(256);
    g.minCodeSize = size == 0 ? 1 : size;  // the recipe takes 0 as 8: encode as 1, then patch the byte
    const int colours = size >= 1 && size < 8 ? 1 << size : 256;
    g.indices = RandomIndices(100 * 100, colours, 3, uint32_t(size + 1));
    std::string file = MakeGif(g);
    const size_t codeSizeAt = 13 + 768 + 10;
    ASSERT_EQ(int(uint8_t(file[codeSizeAt])), g.minCodeSize);
    file[codeSizeAt] = char(size);
    CGifDecoder d;
    const CGifDecoder::Result r = d.Decode(Bytes(file));
    if (size >= 1 && size <= 11) {
      ASSERT_EQ(r, CGifDecoder::Result::Ok) << "size " << size;
      EXPECT_EQ(d.DecodedCount(), g.indices.size()) << "size " << size;
      EXPECT_EQ(Picture(d), Expected(g.indices, g.globalTable)) << "size " << size;
    } else {
      EXPECT_EQ(r, CGifDecoder::Result::BadCodeSize) << "size " << size;
      EXPECT_EQ(d.Width(), 0);
      EXPECT_EQ(d.Height(), 0);
    }
  }
}

TEST(GifDecoder, InterlacedRowsLandInPictureOrderForEveryHeight) {
  for (uint16_t h = 1; h <= 19; ++h) {
    GifRecipe g;
    g.width = 3;
    g.height = h;
    g.globalTable = Table(256);
    g.interlaced = true;
    for (int i = 0; i < 3 * h; ++i) g.indices.push_back(uint8_t(i / 3));  // row y is index y
    CGifDecoder d;
    ASSERT_EQ(d.Decode(Bytes(MakeGif(g))), CGifDecoder::Result::Ok);
    EXPECT_TRUE(d.Interlaced());
    EXPECT_EQ(Picture(d), Expected(g.indices, g.globalTable)) << "height " << h;
  }
}

TEST(GifDecoder, LocalTablesAndExtensionsKeepTheDataInStep) {
  std::vector<uint8_t> picture = RandomIndices(37 * 23, 4, 2, 3);
  std::string extensions;
  extensions += std::string("\x21\xF9\x04\x01\x0A\x00\x02\x00", 8);           // graphic control
  extensions += std::string("\x21\xFE\x05hello\x03" "abc\x00", 12);               // comment
  extensions += std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);  // application
  extensions += std::string("\x21\x01\x0C", 3) + std::string(12, 'p') + std::string("\x02xy\x00", 4);  // plain text

  GifRecipe local;  // a 4-entry local table and a global one it overrides
  local.width = 37;
  local.height = 23;
  local.globalTable = Table(256, 99);
  local.localTable = Table(4);
  local.minCodeSize = 2;
  local.indices = picture;
  local.beforeImage = extensions;
  local.subBlockSize = 17;

  GifRecipe noGlobal = local;  // only a local table
  noGlobal.globalTable.clear();

  GifRecipe globalOnly = local;
  globalOnly.localTable.clear();
  globalOnly.globalTable = Table(4);

  for (const GifRecipe* g : {&local, &noGlobal, &globalOnly}) {
    CGifDecoder d;
    ASSERT_EQ(d.Decode(Bytes(MakeGif(*g))), CGifDecoder::Result::Ok);
    EXPECT_EQ(d.Width(), 37);
    EXPECT_EQ(d.Height(), 23);
    EXPECT_EQ(Picture(d), Expected(picture, Table(4)));
  }
}

TEST(GifDecoder, DamagedStreamsDecodeWhatTheyHold) {
  GifRecipe g;
  g.width = 31;
  g.height = 17;
  g.globalTable = Table(16);
  g.minCodeSize = 4;
  g.indices = RandomIndices(31 * 17, 16, 3, 11);
  g.interlaced = true;
  const std::string whole = MakeGif(g);
  const std::vector<uint32_t> expected = Expected(g.indices, g.globalTable);
  const size_t header = 13 + 48;
  for (size_t cut = 0; cut < whole.size(); ++cut) {
    CGifDecoder d;
    CGifDecoder::Result r = d.Decode(Bytes(whole.substr(0, cut)));
    if (cut < header + 10) {
      // Nothing of the image descriptor yet: no picture.
      EXPECT_EQ(r, CGifDecoder::Result::NoImage) << cut;
      EXPECT_EQ(d.Width(), 0);
      continue;
    }
    ASSERT_EQ(r, CGifDecoder::Result::Ok) << cut;
    std::vector<uint32_t> got = Picture(d);
    // Each pixel is either decoded correctly or black because the data ended.
    for (size_t i = 0; i < got.size(); ++i)
      ASSERT_TRUE(got[i] == expected[i] || got[i] == 0) << "cut " << cut << " pixel " << i;
  }

  // Codes beyond the dictionary in the middle: the rest stays black.
  std::string broken = whole;
  broken[header + 10 + 1 + 1 + 20] = char(0xFF);
  broken[header + 10 + 1 + 1 + 21] = char(0xFF);
  CGifDecoder d;
  ASSERT_EQ(d.Decode(Bytes(broken)), CGifDecoder::Result::Ok);
  EXPECT_LT(d.DecodedCount(), g.indices.size());
}

TEST(GifDecoder, StreamsWithoutPicturesAndOversizedPictures) {
  CGifDecoder d;
  EXPECT_EQ(d.Decode(Bytes("GIF89a")), CGifDecoder::Result::NoImage);
  EXPECT_EQ(d.Decode(Bytes(std::string("GIF89a\x02\x00\x02\x00\x00\x00\x00;", 14))), CGifDecoder::Result::NoImage);
  EXPECT_EQ(d.Width(), 0);
  EXPECT_EQ(d.Height(), 0);

  GifRecipe g;
  g.width = 65535;
  g.height = 65535;
  g.globalTable = Table(2);
  g.minCodeSize = 2;
  std::string big = MakeGif(g);
  EXPECT_EQ(d.Decode(Bytes(big)), CGifDecoder::Result::TooLarge);
  EXPECT_EQ(d.Width(), 0);
}

namespace {
std::string ImagesDir() { return std::string(ZORVA_TEST_DATA_DIR) + "/images/gif/"; }

std::vector<uint32_t> RgbDump(const std::string& path) {
  std::string raw = ReadFileBytes(path);
  std::vector<uint32_t> out;
  for (size_t i = 0; i + 2 < raw.size(); i += 3)
    out.push_back(RGB(uint8_t(raw[i]), uint8_t(raw[i + 1]), uint8_t(raw[i + 2])));
  return out;
}

CGifDecoder::Result DecodeFile(CGifDecoder& d, const std::string& name) {
  std::string raw = ReadFileBytes(ImagesDir() + name);
  return d.Decode(Bytes(raw));
}
}  // namespace

TEST(GifDecoder, RealFilesMatchAnotherDecodersPixels) {
  struct Case {
    const char* gif;
    const char* rgb;
  } cases[] = {
      {"treescap-interlaced.gif", "treescap-interlaced.rgb"},
      {"treescap-interlaced-local16-noglobal.gif", "treescap-interlaced.rgb"},
      {"gifgrid.gif", "gifgrid.rgb"},
      {"x-trans.gif", "x-trans.rgb"},  // interlaced, with a graphic control block and a comment
      {"porsche.gif", "porsche.rgb"},  // GIF87a, 32 colours
  };
  for (const Case& c : cases) {
    CGifDecoder d;
    ASSERT_EQ(DecodeFile(d, c.gif), CGifDecoder::Result::Ok) << c.gif;
    EXPECT_EQ(Picture(d), RgbDump(ImagesDir() + c.rgb)) << c.gif;
  }
}

TEST(GifDecoder, RealDamagedFilesDecodeSafely) {
  // Cut in the image data: the rows that arrived are right, the rest black.
  CGifDecoder d;
  ASSERT_EQ(DecodeFile(d, "porsche-cut60.gif"), CGifDecoder::Result::Ok);
  std::vector<uint32_t> got = Picture(d), whole = RgbDump(ImagesDir() + "porsche.rgb");
  ASSERT_EQ(got.size(), whole.size());
  size_t decoded = d.DecodedCount();
  EXPECT_GT(decoded, whole.size() / 3);
  EXPECT_LT(decoded, whole.size());
  EXPECT_TRUE(std::equal(got.begin(), got.begin() + decoded, whole.begin()));
  EXPECT_TRUE(std::all_of(got.begin() + decoded, got.end(), [](uint32_t c) { return c == 0; }));

  // An empty image with a code size of 248, and a 256 x 513 one with a code
  // size of 0: nothing a decoder can read, refused rather than shown black.
  for (const char* name : {"issue-101-infinite-empty-loop.gif", "issue-117-out-of-range.gif"}) {
    EXPECT_EQ(DecodeFile(d, name), CGifDecoder::Result::BadCodeSize) << name;
    EXPECT_EQ(d.Width(), 0);
    EXPECT_EQ(d.DecodedCount(), 0u);
  }
}
