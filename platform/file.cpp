#include "file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace {

// The file system of the process, on POSIX calls.
class PosixFileSystem final : public FileSystem {
 public:
  int Open(const char* path, unsigned flags, int& fd) override {
    const bool create = (flags & CFile::modeCreate) != 0;
    const int access = (flags & CFile::modeWrite) ? O_WRONLY : O_RDONLY;
    // O_NONBLOCK: opening a FIFO must not wait for its other end.
    int mode = access | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (create) mode |= O_CREAT;
    fd = -1;
    const int f = ::open(path, mode, 0666);
    if (f < 0) return errno;
    const int error = Prepare(f, create);
    if (error != 0) {
      ::close(f);
      return error;
    }
    fd = f;
    return 0;
  }

  int Read(int fd, void* buffer, std::uint32_t count, std::uint32_t& got) override {
    got = 0;
    auto* bytes = static_cast<char*>(buffer);
    while (got < count) {
      const ssize_t n = ::read(fd, bytes + got, count - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return errno;
      if (n == 0) break;
      got += static_cast<std::uint32_t>(n);
    }
    return 0;
  }

  int Write(int fd, const void* buffer, std::uint32_t count) override {
    const auto* bytes = static_cast<const char*>(buffer);
    std::uint32_t done = 0;
    while (done < count) {
      const ssize_t n = ::write(fd, bytes + done, count - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return errno;
      if (n == 0) return ENOSPC;
      done += static_cast<std::uint32_t>(n);
    }
    return 0;
  }

  int Position(int fd, std::uint64_t& position) override { return Seek(fd, 0, SEEK_CUR, position); }

  int Seek(int fd, std::int64_t offset, int whence, std::uint64_t& position) override {
    const off_t at = ::lseek(fd, static_cast<off_t>(offset), whence);
    if (at < 0) return errno;
    position = static_cast<std::uint64_t>(at);
    return 0;
  }

  int Flush(int fd) override {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return errno;
    if (!S_ISREG(st.st_mode)) return 0;  // a device or pipe has nothing to make durable
    return ::fsync(fd) == 0 ? 0 : errno;
  }

  int Close(int fd) override {
    // The descriptor is gone after close() whatever it returns; EINTR is not retried.
    return ::close(fd) == 0 ? 0 : errno;
  }

 private:
  static int Prepare(int fd, bool create) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return errno;
    const bool regular = S_ISREG(st.st_mode);
    if (!create) {
      if (!regular) return S_ISDIR(st.st_mode) ? EISDIR : EACCES;
    } else if (regular && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
      return EACCES;  // read-only for everybody, root included
    }
    // Back to blocking I/O now that the open itself cannot wait any more.
    const int fl = ::fcntl(fd, F_GETFL);
    if (fl < 0 || ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK) < 0) return errno;
    if (!regular) return 0;  // devices are shared by nature; there is nothing to lock or empty
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return errno == EWOULDBLOCK ? EWOULDBLOCK : errno;
    if (create && ::ftruncate(fd, 0) != 0) return errno;
    return 0;
  }
};

PosixFileSystem& Posix() {
  static PosixFileSystem fs;
  return fs;
}

FileSystem* g_current = nullptr;

}  // namespace

FileSystem& FileSystem::System() { return Posix(); }
FileSystem& FileSystem::Current() { return g_current ? *g_current : Posix(); }

ScopedFileSystem::ScopedFileSystem(FileSystem& fs) : previous_(g_current) { g_current = &fs; }
ScopedFileSystem::~ScopedFileSystem() { g_current = previous_; }

CFileException::Cause CFileException::OsErrorToCause(int osError) {
  switch (osError) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case ENXIO:
    case ENODEV: return accessDenied;
    case EWOULDBLOCK: return sharingViolation;
    case ESPIPE:
    case EOVERFLOW: return badSeek;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return diskFull;
    case EIO: return hardIO;
    default: return genericException;
  }
}

CFile::CFile(const char* fileName, unsigned openFlags) : path_(fileName) {
  int fd = -1;
  const int error = FileSystem::Current().Open(fileName, openFlags, fd);
  if (error != 0) Throw(error);
  fd_ = fd;
}

CFile::~CFile() {
  if (fd_ >= 0) FileSystem::Current().Close(fd_);
}

void CFile::Throw(int osError) const { throw CFileException(CFileException::OsErrorToCause(osError), osError, path_); }

int CFile::Checked() const {
  if (fd_ < 0) Throw(EBADF);
  return fd_;
}

std::uint32_t CFile::Read(void* buffer, std::uint32_t count) {
  std::uint32_t got = 0;
  if (const int error = FileSystem::Current().Read(Checked(), buffer, count, got)) Throw(error);
  return got;
}

void CFile::Write(const void* buffer, std::uint32_t count) {
  if (const int error = FileSystem::Current().Write(Checked(), buffer, count)) Throw(error);
}

std::uint64_t CFile::GetPosition() const {
  std::uint64_t at = 0;
  if (const int error = FileSystem::Current().Position(Checked(), at)) Throw(error);
  return at;
}

std::uint64_t CFile::Seek(std::int64_t offset, unsigned from) {
  const int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
  std::uint64_t at = 0;
  if (const int error = FileSystem::Current().Seek(Checked(), offset, whence, at)) Throw(error);
  return at;
}

void CFile::Flush() {
  if (const int error = FileSystem::Current().Flush(Checked())) Throw(error);
}

void CFile::Close() {
  if (fd_ < 0) return;
  const int fd = fd_;
  fd_ = -1;
  if (const int error = FileSystem::Current().Close(fd)) Throw(error);
}
