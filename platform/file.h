// CFile: a file on a path, opened unshared, with exceptions for every failure.
//
// On this platform "unshared" is an exclusive advisory lock (flock) held from open to close.
// Opening for reading refuses at once anything that is not a regular file, so that a folder,
// a FIFO or a device never leaves the caller waiting. Creating takes the lock before it
// empties the file, so a file that somebody else holds is left as it was. A file without any
// write permission bit is read-only for everybody, root included. Flush makes the bytes
// durable, and Close reports what closing reveals.
#pragma once

#include "cstring.h"

#include <cstdint>

class CFileException {
 public:
  enum Cause {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile,
  };

  CFileException(Cause cause, int osError, CString fileName)
      : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {}

  // The cause that a system error number stands for.
  static Cause OsErrorToCause(int osError);

  Cause m_cause;
  int m_lOsError;
  CString m_strFileName;
};

// The operations under CFile, one call per CFile operation. The process holds one current
// implementation, the system's own; a test may install a wrapper around it (for instance
// one that fails at a chosen call) with ScopedFileSystem. Every call returns 0 or an errno
// value.
class FileSystem {
 public:
  enum class Op { open, read, write, position, seek, flush, close };

  virtual ~FileSystem() = default;
  virtual int Open(const char* path, unsigned flags, int& fd) = 0;
  virtual int Read(int fd, void* buffer, std::uint32_t count, std::uint32_t& got) = 0;
  virtual int Write(int fd, const void* buffer, std::uint32_t count) = 0;  // all bytes or an error
  virtual int Position(int fd, std::uint64_t& position) = 0;
  virtual int Seek(int fd, std::int64_t offset, int whence, std::uint64_t& position) = 0;
  virtual int Flush(int fd) = 0;
  virtual int Close(int fd) = 0;

  static FileSystem& Current();
  static FileSystem& System();  // the real one, whatever is current
};

class ScopedFileSystem {
 public:
  explicit ScopedFileSystem(FileSystem& fs);
  ~ScopedFileSystem();
  ScopedFileSystem(const ScopedFileSystem&) = delete;
  ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

 private:
  FileSystem* previous_;
};

class CFile {
 public:
  enum OpenFlags : unsigned {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeCreate = 0x1000,
  };
  enum SeekPosition : unsigned { begin = 0, current = 1, end = 2 };

  // Opens the file or raises CFileException.
  CFile(const char* fileName, unsigned openFlags);
  // Closes a file that is still open, ignoring any error.
  virtual ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // Returns the bytes read: fewer than asked only at the end of the file.
  virtual std::uint32_t Read(void* buffer, std::uint32_t count);
  // Writes all bytes or raises CFileException.
  virtual void Write(const void* buffer, std::uint32_t count);
  virtual std::uint64_t GetPosition() const;
  virtual std::uint64_t Seek(std::int64_t offset, unsigned from);
  virtual void Flush();
  virtual void Close();

  const CString& GetFilePath() const { return path_; }

 protected:
  CFile() = default;  // for wrappers that stand in for a file

 private:
  [[noreturn]] void Throw(int osError) const;
  int Checked() const;  // the descriptor, or a CFileException when the file is closed

  int fd_ = -1;
  CString path_;
};
