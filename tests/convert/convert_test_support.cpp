#include "tests/convert/convert_test_support.h"

#include "convert/source_checks.h"
#include "pdb/records.h"
#include "pdb/writer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

Bytes DatabaseOf(const Bytes& source, const CString& title, const ImageInfo& info) {
  Bytes loaded(kLoadedSourceBytes);
  std::copy_n(source.begin(), std::min(source.size(), loaded.size()), loaded.begin());
  const SourceLayout& layout = LayoutOf(std::span<const std::uint8_t, kSourceHeaderBytes>(loaded.data(), 54));
  const TempDir dir;
  const std::string path = dir.File("expected.pdb");
  Bytes record(BitmapRecordBytes(layout));
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    WriteDatabase(file, title, loaded, layout, info, record);
    file.Close();
  }
  return ReadFileBytes(path);
}

bool HeldOpen(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
  ::close(fd);
  return held;
}
