// The written databases as independent readers see them: Perl's Palm::PDB for the database,
// netpbm's palmtopnm for the bitmap record. A missing tool fails the test.
#include "tests/pdb/pdb_fixture.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

int Shell(const std::string& command) { return std::system(command.c_str()); }

std::string Capture(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

Bytes Slice(const Bytes& bytes, RecordSpan span) { return Bytes(bytes.begin() + span.begin, bytes.begin() + span.end); }

// A decoded netpbm picture (P5 or P6, one byte per sample).
struct Picture {
  std::string magic;
  int width = 0, height = 0, maxval = 0;
  Bytes samples;
};

Picture ReadPicture(const Bytes& file) {
  Picture p;
  std::istringstream in(std::string(file.begin(), file.end()));
  in >> p.magic >> p.width >> p.height >> p.maxval;
  in.get();  // the one whitespace byte before the samples
  const auto start = static_cast<std::ptrdiff_t>(in.tellg());
  if (start > 0) p.samples.assign(file.begin() + start, file.end());
  return p;
}

void ExpectPalmtopnm() {
  ASSERT_EQ(Shell("command -v palmtopnm >/dev/null 2>&1"), 0) << "palmtopnm is missing (Debian package netpbm)";
}

class ReaderTest : public ::testing::Test {
 protected:
  TempDir dir;
  const std::string database = dir.File("out.pdb");

  // palmtopnm's picture of a Palm bitmap.
  Picture Palmtopnm(const Bytes& bitmap) {
    const std::string in = dir.File("bitmap.palm"), out = dir.File("bitmap.pnm");
    WriteFileBytes(in, bitmap);
    EXPECT_EQ(Shell("palmtopnm '" + in + "' > '" + out + "'"), 0);
    return ReadPicture(ReadFileBytes(out));
  }
};

TEST_F(ReaderTest, PalmPdbReadsTheDatabase) {
  ASSERT_EQ(Shell("perl -MPalm::PDB -MPalm::Raw -e 1"), 0) << "Palm::PDB is missing (Debian package libpalm-perl)";
  struct Case {
    const SourceLayout* layout;
    const char* title;
    ImageInfo info;
    std::string summary;
  };
  const Case cases[] = {
      {&kLayout4,
       "Morning",
       {"Line one\r\nLine two", 40, 40},
       "name=Morning\ntype=GATA\ncreator=Tsvo\nversion=1\nrecords=4\n"
       "record 0: 12816 bytes\nrecord 1: 16 bytes\nrecord 2: 4 bytes 00280028\nrecord 3: 18 bytes\n"},
      {&kLayout8,
       "Harbour lights at dusk",
       {"", 0, 99},
       "name=Harbour lights at dusk\ntype=CATA\ncreator=Tsvo\nversion=1\nrecords=4\n"
       "record 0: 25616 bytes\nrecord 1: 1024 bytes\nrecord 2: 4 bytes 00000063\nrecord 3: 0 bytes \n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    WriteToFile(database, MakeSource(*c.layout), *c.layout, c.title, c.info);
    EXPECT_EQ(Capture("perl '" PDB_SUMMARY_SCRIPT "' '" + database + "' 2>&1"), c.summary);
  }
}

// The handheld's greys run from white (0) to black (15), and palmtopnm maps them onto a
// maxval of 15 with white at the top: its grey is 15 minus the record's index, which brings
// back the source's own value.
TEST_F(ReaderTest, PalmtopnmShowsTheFourBitSourceGreys) {
  ExpectPalmtopnm();
  const Bytes source = MakeSource(kLayout4);
  const ImageInfo info{"", 40, 40};
  const Bytes written = WriteToFile(database, source, kLayout4, "Greys", info);
  const Picture picture = Palmtopnm(Slice(written, RecordAt(kLayout4, info, 0)));
  ASSERT_EQ(picture.magic, "P5");
  ASSERT_EQ(picture.width, 160);
  ASSERT_EQ(picture.height, 160);
  ASSERT_EQ(picture.maxval, 15);
  ASSERT_EQ(picture.samples.size(), 160u * 160u);
  for (std::uint32_t row = 0; row < 160; ++row) {
    for (std::uint32_t x = 0; x < 160; ++x) {
      const std::uint8_t pair = source[kLayout4.pixelOffset + kLayout4.rowBytes * (159 - row) + x / 2];
      const int grey = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
      ASSERT_EQ(picture.samples[160 * row + x], grey) << "row " << row << " column " << x;
    }
  }
}

// Record 0 with record 1 spliced in as its colour table: the flag for a table, then a count of
// 256 before the entries, right after the 16-byte header.
TEST_F(ReaderTest, PalmtopnmShowsTheEightBitSourceColors) {
  ExpectPalmtopnm();
  const Bytes source = MakeSource(kLayout8);
  const ImageInfo info{"", 40, 40};
  const Bytes written = WriteToFile(database, source, kLayout8, "Colours", info);
  const Bytes bitmap = Slice(written, RecordAt(kLayout8, info, 0));
  const Bytes table = Slice(written, RecordAt(kLayout8, info, 1));
  Bytes spliced;
  spliced.reserve(bitmap.size() + 2 + table.size());
  spliced.insert(spliced.end(), bitmap.begin(), bitmap.begin() + 16);
  spliced[6] |= 0x40;       // flags: hasColorTable
  spliced.push_back(0x01);  // 256 entries
  spliced.push_back(0x00);
  spliced.insert(spliced.end(), table.begin(), table.end());
  spliced.insert(spliced.end(), bitmap.begin() + 16, bitmap.end());

  const Picture picture = Palmtopnm(spliced);
  ASSERT_EQ(picture.magic, "P6");
  ASSERT_EQ(picture.width, 160);
  ASSERT_EQ(picture.height, 160);
  ASSERT_EQ(picture.maxval, 255);
  ASSERT_EQ(picture.samples.size(), 3u * 160u * 160u);
  int checked = 0;
  for (std::uint32_t row = 0; row < 160; ++row) {
    for (std::uint32_t x = 0; x < 160; ++x) {
      const std::uint8_t index = source[kLayout8.pixelOffset + kLayout8.rowBytes * (159 - row) + x];
      if (index >= 240) continue;
      const std::uint8_t* rgb = picture.samples.data() + 3 * (160 * row + x);
      ASSERT_EQ((Rgb{rgb[0], rgb[1], rgb[2]}), PaletteColor(source, index))
          << "row " << row << " column " << x << " index " << int{index};
      ++checked;
    }
  }
  EXPECT_GT(checked, 160 * 160 * 9 / 10);  // nearly every pixel of the picture
}

}  // namespace
