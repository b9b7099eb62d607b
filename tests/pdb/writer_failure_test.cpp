// What a failing file operation leaves behind: the writer stops at the failure, the exception
// reaches the caller, and the file holds exactly what was written before it.
#include "pdb/writer.h"
#include "platform/file.h"
#include "tests/pdb/pdb_fixture.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <algorithm>
#include <ostream>
#include <vector>

namespace {

using Op = FileSystem::Op;
constexpr unsigned kCreate = CFile::modeCreate | CFile::modeWrite;

// One file operation of the writer; a write puts bytes [from, to) of the finished database in
// place, or zeros there when it lays out the empty record list.
struct Step {
  Op op;
  std::uint32_t from = 0, to = 0;
  bool zeros = false;
};

std::vector<Step> WriterSteps(const SourceLayout& layout, const ImageInfo& info) {
  std::vector<Step> steps = {
      {Op::write, 0, 76},          // header template
      {Op::write, 76, 78},         // numRecords
      {Op::position},              // where the record list starts
      {Op::write, 78, 112, true},  // empty record list and its gap
  };
  for (int record = 0; record < 4; ++record) {
    const RecordSpan span = RecordAt(layout, info, record);
    const auto entry = static_cast<std::uint32_t>(kRecordListOffset + 8 * record);
    steps.push_back({Op::position});
    steps.push_back({Op::seek});
    steps.push_back({Op::write, entry, entry + 4});  // localChunkID
    steps.push_back({Op::seek});
    if (span.end > span.begin) steps.push_back({Op::write, span.begin, span.end});
  }
  steps.push_back({Op::flush});
  return steps;
}

// The file after the first `done` steps.
Bytes FileAfter(const std::vector<Step>& steps, std::size_t done, const Bytes& database) {
  Bytes file;
  for (std::size_t i = 0; i < done; ++i) {
    const Step& s = steps[i];
    if (s.op != Op::write) continue;
    if (file.size() < s.to) file.resize(s.to, 0);
    for (std::uint32_t at = s.from; at < s.to; ++at) file[at] = s.zeros ? 0 : database[at];
  }
  return file;
}

struct Case {
  const char* name;
  const SourceLayout* layout;
  const char* info;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

const Case kCases[] = {
    {"FourBitWithInfo", &kLayout4, "Line one\r\nLine two"},
    {"EightBitNoInfo", &kLayout8, ""},
};

class FailureTest : public ::testing::TestWithParam<Case> {
 protected:
  TempDir dir;
  const std::string path = dir.File("out.pdb");
  const SourceLayout& layout = *GetParam().layout;
  const ImageInfo info{GetParam().info, 40, 40};
  const Bytes source = MakeSource(layout);
  const Bytes database = ExpectedDatabase(source, layout, "Title", info);
  const std::vector<Step> steps = WriterSteps(layout, info);
  std::vector<std::uint8_t> recordBuffer = std::vector<std::uint8_t>(16 + kLayout8.imageBytes);
};

TEST_P(FailureTest, CleanRunPerformsTheseOperations) {
  CFile file(path.c_str(), kCreate);
  FaultyFileSystem counting;
  {
    ScopedFileSystem scope(counting);
    WriteDatabase(file, "Title", source, layout, info, recordBuffer);
  }
  std::vector<Op> expected;
  for (const Step& s : steps) expected.push_back(s.op);
  EXPECT_EQ(counting.Log(), expected);
  EXPECT_EQ(FileAfter(steps, steps.size(), database), database);
}

TEST_P(FailureTest, EveryFailingOperationStopsTheWriterAndKeepsWhatWasWritten) {
  for (std::size_t failAt = 1; failAt <= steps.size(); ++failAt) {
    SCOPED_TRACE(testing::Message() << "failing operation " << failAt);
    CFile file(path.c_str(), kCreate);
    FaultyFileSystem faulty(static_cast<int>(failAt), ENOSPC);
    bool raised = false;
    {
      ScopedFileSystem scope(faulty);
      try {
        WriteDatabase(file, "Title", source, layout, info, recordBuffer);
      } catch (const CFileException& e) {
        raised = true;
        EXPECT_EQ(e.m_cause, CFileException::diskFull);
        EXPECT_EQ(e.m_lOsError, ENOSPC);
        EXPECT_EQ(e.m_strFileName, path.c_str());
      }
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ(faulty.Calls(), static_cast<int>(failAt));  // nothing after the failure
    file.Close();
    EXPECT_EQ(ReadFileBytes(path), FileAfter(steps, failAt - 1, database));
  }
}

// A real failure from the kernel: a file size limit that falls inside record 1.
TEST_P(FailureTest, FileSizeLimitInsideTheColorTable) {
  const RecordSpan colors = RecordAt(layout, info, 1);
  const rlim_t limit = colors.begin + (colors.end - colors.begin) / 2;
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    int code = 1;  // no exception
    try {
      (void)std::signal(SIGXFSZ, SIG_IGN);
      const rlimit fileSize{limit, limit};
      if (::setrlimit(RLIMIT_FSIZE, &fileSize) != 0) _exit(4);
      CFile file(path.c_str(), kCreate);
      WriteDatabase(file, "Title", source, layout, info, recordBuffer);
    } catch (const CFileException& e) {
      code = e.m_lOsError == EFBIG && e.m_cause == CFileException::diskFull ? 0 : 2;
    } catch (...) {
      code = 3;
    }
    _exit(code);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0) << "1: no exception, 2: another error, 3: another exception";

  const Bytes file = ReadFileBytes(path);
  ASSERT_GE(file.size(), colors.begin);  // header, list and the whole of record 0
  ASSERT_LE(file.size(), limit);         // at most part of record 1
  Bytes expected(database.begin(), database.begin() + static_cast<std::ptrdiff_t>(file.size()));
  std::fill(expected.begin() + kRecordListOffset + 16, expected.begin() + kFirstRecordOffset, 0);  // entries 2, 3
  EXPECT_EQ(file, expected);
}

INSTANTIATE_TEST_SUITE_P(Databases, FailureTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
