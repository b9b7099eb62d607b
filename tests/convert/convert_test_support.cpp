#include "tests/convert/convert_test_support.h"

#include "convert/source_checks.h"
#include "tests/pdb/pdb_fixture.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

Bytes DatabaseOf(const Bytes& source, const CString& title, const ImageInfo& info) {
  Bytes loaded(kLoadedSourceBytes);
  std::copy_n(source.begin(), std::min(source.size(), loaded.size()), loaded.begin());
  const SourceLayout& layout =
      LayoutOf(std::span<const std::uint8_t, kSourceHeaderBytes>(loaded.data(), kSourceHeaderBytes));
  const TempDir dir;
  return WriteToFile(dir.File("expected.pdb"), loaded, layout, title, info);
}

bool HeldOpen(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
  ::close(fd);
  return held;
}
