// A temporary folder for one test, removed with everything in it at the end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // The path of a name in the folder; the folder's path ends in "/".
  std::string File(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

using Bytes = std::vector<std::uint8_t>;

void WriteFileBytes(const std::string& path, const Bytes& bytes);
Bytes ReadFileBytes(const std::string& path);  // empty when the file cannot be read
bool FileExists(const std::string& path);
