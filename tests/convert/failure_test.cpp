// Every file operation of one whole conversion, failed one at a time.
#include "tests/convert/convert_test_support.h"

#include "tests/support/faulty_file_system.h"

#include <filesystem>

using Op = FileSystem::Op;

namespace {

enum class Outcome { opening, reading, converted, creating, writing, closing };

// The operations of one conversion of an 8-bit source with an info text, in order, and
// how the conversion ends when each one fails.
constexpr struct {
  Op op;
  Outcome outcome;
} kConversion[] = {
    {Op::open, Outcome::opening},      // the source
    {Op::read, Outcome::reading},      // its 54 header bytes
    {Op::read, Outcome::reading},      // the rest
    {Op::close, Outcome::converted},   // closing a file only read loses nothing
    {Op::open, Outcome::creating},     // the database
    {Op::write, Outcome::writing},     // header
    {Op::write, Outcome::writing},     // numRecords
    {Op::position, Outcome::writing},  // the list's position
    {Op::write, Outcome::writing},     // the empty list
    // each record: where it starts, its list entry, back, the record
    {Op::position, Outcome::writing},
    {Op::seek, Outcome::writing},
    {Op::write, Outcome::writing},
    {Op::seek, Outcome::writing},
    {Op::write, Outcome::writing},
    {Op::position, Outcome::writing},
    {Op::seek, Outcome::writing},
    {Op::write, Outcome::writing},
    {Op::seek, Outcome::writing},
    {Op::write, Outcome::writing},
    {Op::position, Outcome::writing},
    {Op::seek, Outcome::writing},
    {Op::write, Outcome::writing},
    {Op::seek, Outcome::writing},
    {Op::write, Outcome::writing},
    {Op::position, Outcome::writing},
    {Op::seek, Outcome::writing},
    {Op::write, Outcome::writing},
    {Op::seek, Outcome::writing},
    {Op::write, Outcome::writing},
    {Op::flush, Outcome::writing},
    {Op::close, Outcome::closing},  // the database, after it was written
};

std::size_t OpenDescriptors() {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}));
}

}  // namespace

TEST_F(ConvertTest, EachFailingFileOperationEndsInItsOneMessage) {
  const std::string source = Source("face.bmp", MakeSourceBitmap(8));
  const std::string output = dir.File("TSVO256_face.pdb");
  {
    FaultyFileSystem counting;
    const ScopedFileSystem scope(counting);
    RunAsHandler(source);
    std::vector<Op> expected;
    for (const auto& step : kConversion) expected.push_back(step.op);
    ASSERT_EQ(counting.Log(), expected);
  }

  const std::size_t descriptors = OpenDescriptors();
  for (std::size_t n = 1; n <= std::size(kConversion); ++n) {
    SCOPED_TRACE("operation " + std::to_string(n));
    desktop.Reset();
    std::filesystem::remove(output);
    const Outcome outcome = kConversion[n - 1].outcome;
    FaultyFileSystem faulty(static_cast<int>(n), EIO);
    const ScopedFileSystem scope(faulty);
    const bool loads = outcome != Outcome::opening && outcome != Outcome::reading;
    RunAsHandler(source,
                 loads ? std::vector<scripted::Action>{scripted::Press(IDOK)} : std::vector<scripted::Action>{});
    ExpectScriptPlayed();

    const scripted::Shown box = OnlyMessage();
    switch (outcome) {
      case Outcome::opening: EXPECT_EQ(box.text, CString("Error Opening File: " + source)); break;
      case Outcome::reading: EXPECT_EQ(box.text, CString("Error Reading File: " + source)); break;
      case Outcome::converted: EXPECT_EQ(box.text, CString(output + " created!")); break;
      case Outcome::creating: EXPECT_EQ(box.text, CString("Error Creating File: " + output)); break;
      case Outcome::writing: EXPECT_EQ(box.text, CString("Error Writing File: " + output)); break;
      case Outcome::closing:
        // The framework's report of the file error; no success message.
        EXPECT_EQ(box.text, CString("Beim Zugriff auf die Datei ist ein Hardwarefehler aufgetreten: " + output));
        break;
    }
    const bool refused = outcome != Outcome::converted && outcome != Outcome::closing;
    EXPECT_EQ(box.type, refused ? MB_ICONHAND : MB_ICONEXCLAMATION);
    EXPECT_EQ(OpenDescriptors(), descriptors);
    EXPECT_FALSE(HeldOpen(source));
    EXPECT_FALSE(HeldOpen(output));
  }
}
