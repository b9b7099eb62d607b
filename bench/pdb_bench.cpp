// What writing a database costs, next to what the bytes alone cost.
//
//   write_database/D  open, build both picture records, write the whole database, close;
//                     the flush is left out (a file system whose Flush does nothing)
//   copy_posix/D      open, one write of as many bytes, close: the plain copy
//   copy_cfile/D      the same through CFile (its open locks and empties the file too)
//   flush/D           fsync of a freshly written file of that size, on its own
//
// D is the source depth. Every benchmark writes one file in a temporary folder. At the end the
// ratio write_database / copy is printed for each depth (from the medians when the benchmarks
// are repeated: the file times are noisy, so --benchmark_repetitions=5 is worth giving).
#include "pdb/image_info.h"
#include "pdb/records.h"
#include "pdb/source_layout.h"
#include "pdb/writer.h"
#include "platform/file.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The real file system, except that Flush does nothing.
class NoFlushFileSystem final : public FileSystem {
 public:
  int Open(const char* path, unsigned flags, int& fd) override { return real_.Open(path, flags, fd); }
  int Read(int fd, void* buffer, std::uint32_t count, std::uint32_t& got) override {
    return real_.Read(fd, buffer, count, got);
  }
  int Write(int fd, const void* buffer, std::uint32_t count) override { return real_.Write(fd, buffer, count); }
  int Position(int fd, std::uint64_t& position) override { return real_.Position(fd, position); }
  int Seek(int fd, std::int64_t offset, int whence, std::uint64_t& position) override {
    return real_.Seek(fd, offset, whence, position);
  }
  int Flush(int) override { return 0; }
  int Close(int fd) override { return real_.Close(fd); }

 private:
  FileSystem& real_ = FileSystem::System();
};

class Folder {
 public:
  Folder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~Folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

Folder& TheFolder() {
  static Folder folder;
  return folder;
}

// A loaded source of the layout: the bit count at 28, a palette, varied pixels.
Bytes MakeSource(const SourceLayout& layout) {
  Bytes source(kLoadedSourceBytes, 0);
  source[0] = 'B';
  source[1] = 'M';
  source[28] = static_cast<std::uint8_t>(layout.depth);
  for (std::uint32_t i = 54; i < layout.fileBytes; ++i) source[i] = static_cast<std::uint8_t>(i * 131 + (i >> 7));
  return source;
}

const ImageInfo kInfo{"Clock face\r\nwith a long line of text about it", 40, 40};
constexpr const char* kTitle = "Harbour lights at dusk";

std::uint32_t DatabaseBytes(const SourceLayout& layout) {
  return (layout.depth == 4 ? 12948u : 26756u) + static_cast<std::uint32_t>(kInfo.info.GetLength());
}

void WriteDatabaseBench(benchmark::State& state, const SourceLayout* layout) {
  const Bytes source = MakeSource(*layout);
  Bytes recordBuffer(kBitmapHeaderBytes + kLayout8.imageBytes);
  const std::string path = TheFolder().File("database.pdb");
  NoFlushFileSystem noFlush;
  ScopedFileSystem scope(noFlush);
  for (auto _ : state) {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    WriteDatabase(file, kTitle, source, *layout, kInfo, recordBuffer);
    file.Close();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * DatabaseBytes(*layout));
}

void CopyPosixBench(benchmark::State& state, const SourceLayout* layout) {
  const Bytes bytes(DatabaseBytes(*layout), 0x5A);
  const std::string path = TheFolder().File("copy.bin");
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || ::close(fd) != 0) {
      state.SkipWithError("copy failed");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * DatabaseBytes(*layout));
}

void CopyCFileBench(benchmark::State& state, const SourceLayout* layout) {
  const Bytes bytes(DatabaseBytes(*layout), 0x5A);
  const std::string path = TheFolder().File("copy.bin");
  for (auto _ : state) {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    file.Close();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * DatabaseBytes(*layout));
}

// Rewrites the file untimed, then times its fsync alone.
void FlushBench(benchmark::State& state, const SourceLayout* layout) {
  const Bytes bytes(DatabaseBytes(*layout), 0x5A);
  const std::string path = TheFolder().File("flush.bin");
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  for (auto _ : state) {
    if (::pwrite(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
      state.SkipWithError("write failed");
      break;
    }
    const auto start = std::chrono::steady_clock::now();
    const int synced = ::fsync(fd);
    const auto stop = std::chrono::steady_clock::now();
    if (synced != 0) {
      state.SkipWithError("fsync failed");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
  }
  ::close(fd);
}

// The console report, keeping each run's real time per iteration (in nanoseconds) for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    // With --benchmark_repetitions the median stands for the benchmark.
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const std::string name = run.run_name.str();
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (median || (run.run_type == Run::RT_Iteration && medians_.count(name) == 0)) {
        nanoseconds_[name] = run.GetAdjustedRealTime();
        if (median) medians_.insert(name);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
    for (const char* depth : {"4-bit", "8-bit"}) {
      const double write = Get("write_database/", depth), posix = Get("copy_posix/", depth);
      const double cfile = Get("copy_cfile/", depth), flush = Get("flush/", depth);
      if (write <= 0 || posix <= 0 || cfile <= 0) continue;
      std::printf("%s: write_database / copy_posix = %.2f, write_database / copy_cfile = %.2f", depth, write / posix,
                  write / cfile);
      if (flush > 0) std::printf(", flush alone = %.0f us", flush / 1000);
      std::printf("\n");
    }
  }

 private:
  double Get(const std::string& name, const char* depth) const {
    const auto it = nanoseconds_.find(name + depth + (name == "flush/" ? "/manual_time" : "/real_time"));
    return it == nanoseconds_.end() ? 0 : it->second;
  }

  std::map<std::string, double> nanoseconds_;
  std::set<std::string> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  for (const SourceLayout* layout : {&kLayout4, &kLayout8}) {
    const std::string depth = layout == &kLayout4 ? "4-bit" : "8-bit";
    benchmark::RegisterBenchmark(("write_database/" + depth).c_str(), WriteDatabaseBench, layout)->UseRealTime();
    benchmark::RegisterBenchmark(("copy_posix/" + depth).c_str(), CopyPosixBench, layout)->UseRealTime();
    benchmark::RegisterBenchmark(("copy_cfile/" + depth).c_str(), CopyCFileBench, layout)->UseRealTime();
    benchmark::RegisterBenchmark(("flush/" + depth).c_str(), FlushBench, layout)->UseManualTime();
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
