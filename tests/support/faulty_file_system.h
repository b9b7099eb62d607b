// A file system that fails one chosen operation: the Nth call counted from its installation,
// with a chosen errno. With failAt 0 it fails nothing and only counts and logs.
#pragma once

#include "platform/file.h"

#include <cerrno>
#include <vector>

class FaultyFileSystem final : public FileSystem {
 public:
  explicit FaultyFileSystem(int failAt = 0, int error = EIO) : failAt_(failAt), error_(error) {}

  int Calls() const { return calls_; }
  const std::vector<Op>& Log() const { return log_; }
  bool Failed() const { return failAt_ != 0 && calls_ >= failAt_; }

  int Open(const char* path, unsigned flags, int& fd) override {
    if (Fail(Op::open)) return error_;
    return real_.Open(path, flags, fd);
  }
  int Read(int fd, void* buffer, std::uint32_t count, std::uint32_t& got) override {
    if (Fail(Op::read)) return error_;
    return real_.Read(fd, buffer, count, got);
  }
  int Write(int fd, const void* buffer, std::uint32_t count) override {
    if (Fail(Op::write)) return error_;
    return real_.Write(fd, buffer, count);
  }
  int Position(int fd, std::uint64_t& position) override {
    if (Fail(Op::position)) return error_;
    return real_.Position(fd, position);
  }
  int Seek(int fd, std::int64_t offset, int whence, std::uint64_t& position) override {
    if (Fail(Op::seek)) return error_;
    return real_.Seek(fd, offset, whence, position);
  }
  int Flush(int fd) override {
    if (Fail(Op::flush)) return error_;
    return real_.Flush(fd);
  }
  int Close(int fd) override {
    // The descriptor goes whether or not the close is reported as failed.
    const bool fail = Fail(Op::close);
    const int error = real_.Close(fd);
    return fail ? error_ : error;
  }

 private:
  bool Fail(Op op) {
    log_.push_back(op);
    return ++calls_ == failAt_;
  }

  FileSystem& real_ = FileSystem::System();
  int failAt_;
  int error_;
  int calls_ = 0;
  std::vector<Op> log_;
};
