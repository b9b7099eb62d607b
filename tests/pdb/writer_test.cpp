#include "pdb/writer.h"
#include "tests/pdb/pdb_fixture.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

std::string AllByteValues() {  // 255 bytes: 01 .. FF, CR LF among them
  std::string text;
  for (int b = 1; b <= 255; ++b) text.push_back(static_cast<char>(b));
  return text;
}

struct GoldenCase {
  const char* name;
  const SourceLayout* layout;
  std::string title;
  std::string info;
  int x, y;
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

const GoldenCase kGoldenCases[] = {
    {"FourBitNoInfo", &kLayout4, "Morning", "", 40, 40},
    {"EightBitLongestTitleLongestInfo", &kLayout8, "Harbour lights at dusk", AllByteValues(), 0, 99},
    {"FourBitOneCharacterCrLf", &kLayout4, "A", "Line one\r\nLine two", 99, 0},
    {"EightBitOneHighCharacter", &kLayout8, "\xE9", "Tide\r\n", 40, 40},
    {"FourBitOverlongTitleKeeps22", &kLayout4, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", "x", 12, 34},
};

class GoldenTest : public ::testing::TestWithParam<GoldenCase> {
 protected:
  TempDir dir;
};

TEST_P(GoldenTest, WritesTheWholeDatabase) {
  const GoldenCase& c = GetParam();
  const Bytes source = MakeSource(*c.layout);
  const ImageInfo info{c.info, c.x, c.y};
  const Bytes written = WriteToFile(dir.File("out.pdb"), source, *c.layout, c.title, info);
  const Bytes expected = ExpectedDatabase(source, *c.layout, c.title, info);
  ASSERT_EQ(written.size(), expected.size());
  EXPECT_EQ(written, expected);
}

INSTANTIATE_TEST_SUITE_P(Databases, GoldenTest, ::testing::ValuesIn(kGoldenCases),
                         [](const auto& param) { return std::string(param.param.name); });

class WriterTest : public ::testing::Test {
 protected:
  TempDir dir;
  const std::string path = dir.File("out.pdb");
  const ImageInfo info{"", 40, 40};
};

// Record row 0 comes from the file's last pixel row, record row 159 from its first.
TEST_F(WriterTest, ConvertsEachPixelByteAndTurnsTheRowsOver) {
  struct Case {
    const SourceLayout* layout;
    std::uint8_t source, record;
  };
  const Case cases[] = {
      {&kLayout4, 0x00, 0xFF}, {&kLayout4, 0x0F, 0xF0}, {&kLayout4, 0x5A, 0xA5},
      {&kLayout4, 0xFF, 0x00}, {&kLayout8, 0x00, 0xF0}, {&kLayout8, 0x01, 0x01},
      {&kLayout8, 0xEF, 0xEF}, {&kLayout8, 0xF0, 0xF0}, {&kLayout8, 0xFF, 0xFF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "depth " << c.layout->depth << " byte " << int{c.source});
    const std::uint32_t last = c.layout->rowBytes - 1;
    Bytes source = MakeSource(*c.layout);
    SourcePixelByte(source, *c.layout, 159, 0) = c.source;
    SourcePixelByte(source, *c.layout, 0, last) = c.source;
    const Bytes written = WriteToFile(path, source, *c.layout, "Rows", info);
    EXPECT_EQ(written[112 + 16], c.record);
    EXPECT_EQ(written[112 + 16 + 159 * c.layout->rowBytes + last], c.record);
  }
}

TEST_F(WriterTest, ColorTableEntries) {
  struct Case {
    int entry;
    Bytes bytes;
  };
  const Case cases[] = {
      {0, {0x00, 0x30, 0x20, 0x10}},   {1, {0x01, 0x35, 0x23, 0x11}},   {239, {0xEF, 0xDB, 0xED, 0xFF}},
      {240, {0xF0, 0x30, 0x20, 0x10}}, {241, {0xF1, 0xEE, 0xEE, 0xEE}}, {254, {0xFE, 0x11, 0x11, 0x11}},
      {255, {0xFF, 0x00, 0x00, 0x00}},
  };
  const Bytes written = WriteToFile(path, MakeSource(kLayout8), kLayout8, "Colours", info);
  for (const Case& c : cases) {
    const auto at = written.begin() + 25728 + 4 * c.entry;
    EXPECT_EQ(Bytes(at, at + 4), c.bytes) << "entry " << c.entry;
  }
}

// Bytes of the source that the writer never reads: changing them changes nothing (or, for the
// palette, nothing in the bitmap record).
TEST_F(WriterTest, IgnoresWhatItNeverReads) {
  struct Case {
    const char* what;
    const SourceLayout* layout;
    std::uint32_t from, to, stride;
    bool bitmapOnly;
  };
  const Case cases[] = {
      {"8-bit palette entries 240..255", &kLayout8, 54 + 4 * 240, 1078, 1, false},
      {"8-bit reserved palette bytes", &kLayout8, 57, 1078, 4, false},
      {"4-bit palette", &kLayout4, 54, 118, 1, false},
      {"buffer past the 4-bit data", &kLayout4, 12918, kLoadedSourceBytes, 1, false},
      {"8-bit palette, in the bitmap record", &kLayout8, 54, 1078, 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes source = MakeSource(*c.layout);
    const Bytes before = WriteToFile(path, source, *c.layout, "Same", info);
    for (std::uint32_t i = c.from; i < c.to; i += c.stride) source[i] ^= 0xFF;
    const Bytes after = WriteToFile(path, source, *c.layout, "Same", info);
    if (c.bitmapOnly) {
      const RecordSpan bitmap = RecordAt(*c.layout, info, 0);
      EXPECT_TRUE(std::equal(before.begin() + bitmap.begin, before.begin() + bitmap.end, after.begin() + bitmap.begin));
    } else {
      EXPECT_EQ(before, after);
    }
  }
}

// One header template serves every database: nothing of the last name or type stays behind.
TEST_F(WriterTest, EachDatabaseStartsFromACleanHeader) {
  const Bytes source8 = MakeSource(kLayout8);
  const Bytes source4 = MakeSource(kLayout4);
  WriteToFile(path, source8, kLayout8, "Harbour lights at dusk", info);
  EXPECT_EQ(WriteToFile(path, source4, kLayout4, "A", info), ExpectedDatabase(source4, kLayout4, "A", info));
}

}  // namespace
