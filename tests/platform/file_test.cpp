#include "platform/file.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace {

constexpr unsigned kCreate = CFile::modeCreate | CFile::modeWrite;

// The cause of the CFileException that action raises; none when it raises nothing.
CFileException::Cause CauseOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const CFileException& e) {
    return e.m_cause;
  }
  return CFileException::none;
}

// Runs action in a child process and returns the cause it met there.
CFileException::Cause CauseInChild(const std::function<void()>& action) {
  const pid_t pid = ::fork();
  if (pid == 0) _exit(CauseOf(action));
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? static_cast<CFileException::Cause>(WEXITSTATUS(status)) : CFileException::genericException;
}

// Fails the test instead of hanging when an open waits.
struct Deadline {
  Deadline() { ::alarm(5); }
  ~Deadline() { ::alarm(0); }
};

class FileTest : public ::testing::Test {
 protected:
  TempDir dir;
  const std::string path = dir.File("picture.bmp");
  const Bytes contents = {1, 2, 3, 4, 5};
  void SetUp() override { WriteFileBytes(path, contents); }
};

}  // namespace

TEST_F(FileTest, ReadReturnsTheCountAndFewerOnlyAtTheEnd) {
  CFile file(path.c_str(), CFile::modeRead);
  std::uint8_t buffer[8] = {};
  EXPECT_EQ(file.Read(buffer, 3), 3u);
  EXPECT_EQ(file.GetPosition(), 3u);
  EXPECT_EQ(file.Read(buffer + 3, 8 - 3), 2u);
  EXPECT_EQ(Bytes(buffer, buffer + 5), contents);
  EXPECT_EQ(file.Read(buffer, 1), 0u);
  file.Close();
}

TEST_F(FileTest, CreateEmptiesWritesSeeksAndFlushes) {
  CFile file(path.c_str(), kCreate);
  EXPECT_TRUE(ReadFileBytes(path).empty());
  file.Write("abcdef", 6);
  EXPECT_EQ(file.Seek(1, CFile::begin), 1u);
  file.Write("XY", 2);
  EXPECT_EQ(file.GetPosition(), 3u);
  file.Flush();
  file.Close();
  EXPECT_EQ(ReadFileBytes(path), (Bytes{'a', 'X', 'Y', 'd', 'e', 'f'}));
}

TEST_F(FileTest, AnOpenFileIsSharedWithNobody) {
  CFile held(path.c_str(), CFile::modeRead);
  const auto openRead = [&] { CFile f(path.c_str(), CFile::modeRead); };
  const auto create = [&] { CFile f(path.c_str(), kCreate); };
  EXPECT_EQ(CauseOf(openRead), CFileException::sharingViolation);
  EXPECT_EQ(CauseInChild(openRead), CFileException::sharingViolation);
  // A file held elsewhere is not emptied by a create that fails.
  EXPECT_EQ(CauseOf(create), CFileException::sharingViolation);
  EXPECT_EQ(CauseInChild(create), CFileException::sharingViolation);
  EXPECT_EQ(ReadFileBytes(path), contents);
  held.Close();
  EXPECT_EQ(CauseOf(openRead), CFileException::none);
}

TEST_F(FileTest, OpeningForReadingRefusesWhatIsNoRegularFileAtOnce) {
  const std::string fifo = dir.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const Deadline deadline;
  for (const std::string& name : {fifo, dir.Path(), std::string("/dev/zero"), dir.File("missing")}) {
    EXPECT_NE(CauseOf([&] { CFile f(name.c_str(), CFile::modeRead); }), CFileException::none) << name;
  }
  EXPECT_EQ(CauseOf([&] { CFile f(dir.File("missing").c_str(), CFile::modeRead); }), CFileException::fileNotFound);
}

TEST_F(FileTest, CreatingNeverWaitsOnAFifoNorWritesIntoAFolder) {
  const std::string fifo = dir.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const Deadline deadline;
  EXPECT_NE(CauseOf([&] { CFile f(fifo.c_str(), kCreate); }), CFileException::none);
  EXPECT_EQ(CauseOf([&] { CFile f(dir.Path().c_str(), kCreate); }), CFileException::accessDenied);
}

TEST_F(FileTest, AFileWithoutWriteBitsIsReadOnlyForEverybody) {
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  EXPECT_EQ(CauseOf([&] { CFile f(path.c_str(), kCreate); }), CFileException::accessDenied);
  EXPECT_EQ(ReadFileBytes(path), contents);
  EXPECT_EQ(CauseOf([&] { CFile f(path.c_str(), CFile::modeRead); }), CFileException::none);
}

TEST_F(FileTest, AWriteToAFullDeviceRaisesDiskFull) {
  CFile full("/dev/full", kCreate);
  EXPECT_EQ(CauseOf([&] { full.Write("x", 1); }), CFileException::diskFull);
}

TEST_F(FileTest, EveryOperationReportsItsFailure) {
  const struct {
    FileSystem::Op op;
    std::function<void(CFile&)> call;
  } cases[] = {
      {FileSystem::Op::read,
       [](CFile& f) {
         std::uint8_t b[1];
         f.Read(b, 1);
       }},
      {FileSystem::Op::write, [](CFile& f) { f.Write("x", 1); }},
      {FileSystem::Op::position, [](CFile& f) { f.GetPosition(); }},
      {FileSystem::Op::seek, [](CFile& f) { f.Seek(0, CFile::begin); }},
      {FileSystem::Op::flush, [](CFile& f) { f.Flush(); }},
      {FileSystem::Op::close, [](CFile& f) { f.Close(); }},
  };
  for (const auto& c : cases) {
    CFile file(path.c_str(), CFile::modeRead);
    FaultyFileSystem faulty(1, EIO);
    const ScopedFileSystem scope(faulty);
    try {
      c.call(file);
      ADD_FAILURE() << "no exception";
    } catch (const CFileException& e) {
      EXPECT_EQ(e.m_cause, CFileException::hardIO);
      EXPECT_EQ(e.m_lOsError, EIO);
      EXPECT_EQ(e.m_strFileName, CString(path));
    }
    EXPECT_EQ(faulty.Log().front(), c.op);
  }
  FaultyFileSystem failOpen(1, ENOSPC);
  const ScopedFileSystem scope(failOpen);
  EXPECT_EQ(CauseOf([&] { CFile f(path.c_str(), kCreate); }), CFileException::diskFull);
}

TEST(FileException, CausesFollowTheSystemError) {
  const struct {
    int error;
    CFileException::Cause cause;
  } cases[] = {
      {ENOENT, CFileException::fileNotFound},
      {EACCES, CFileException::accessDenied},
      {EISDIR, CFileException::accessDenied},
      {EWOULDBLOCK, CFileException::sharingViolation},
      {ENOSPC, CFileException::diskFull},
      {EFBIG, CFileException::diskFull},
      {EIO, CFileException::hardIO},
      {ENAMETOOLONG, CFileException::badPath},
      {EMFILE, CFileException::tooManyOpenFiles},
      {EPROTO, CFileException::genericException},
  };
  for (const auto& c : cases) EXPECT_EQ(CFileException::OsErrorToCause(c.error), c.cause) << c.error;
}
