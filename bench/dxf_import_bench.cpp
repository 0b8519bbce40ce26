// DXF import of a million lines (a file written by our export) against reading the same
// bytes with plain buffered I/O and parsing every number with std::from_chars, measured in
// the same run; and the memory the import takes per entity.
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <string_view>

#include <benchmark/benchmark.h>

#include "core/drawing.h"
#include "core/line_entity.h"
#include "exchange/dxf_export.h"
#include "exchange/dxf_import.h"
#include "platform/message_box.h"

namespace korvo {
namespace {

constexpr int kLines = 1'000'000;
// Time this thread spent on the processor, page faults included: other processes on the
// machine do not enter the figures.
struct Clock {
  using duration = std::chrono::nanoseconds;
  using time_point = std::chrono::time_point<Clock, duration>;
  static time_point now() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return time_point(duration(static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec));
  }
};

// Written by a child process, so that this process's peak memory is the import's alone.
std::filesystem::path WriteLinesFile() {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("korvocad_import_bench_" + std::to_string(::getpid()) + ".dxf");
  const pid_t child = ::fork();
  if (child == 0) {
    Drawing drawing;
    drawing.New();
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> coordinate(0.0, 1000.0);
    for (int i = 0; i < kLines; ++i) {
      const Point a(coordinate(random), coordinate(random));
      const Point b(coordinate(random), coordinate(random));
      drawing.entities.AddTail(new LineEntity(a, b, drawing.settings));
    }
    RecordingMessageBox messages;
    ::_exit(ExportDxf(drawing, path, messages) ? 0 : 1);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return {};
  }
  return path;
}

// The baseline reader: 64 KiB freads, lines split by hand, every group code parsed as an
// integer and every numeric value (codes 10 to 59 as reals, 60 to 99 and 370 as integers)
// with std::from_chars. Returns a checksum so that nothing is optimised away.
double ReadWithFromChars(const std::filesystem::path& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return -1;
  std::unique_ptr<char[]> buffer(new char[1 << 16]);
  std::string carry;
  double sum = 0;
  bool isCode = true;
  int code = 0;
  auto line = [&](std::string_view text) {
    if (isCode) {
      while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
      std::from_chars(text.data(), text.data() + text.size(), code);
    } else if (code >= 10 && code < 60) {
      double value = 0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      sum += value;
    } else if ((code >= 60 && code < 100) || code == 370) {
      while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
      long value = 0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      sum += static_cast<double>(value);
    }
    isCode = !isCode;
  };
  for (;;) {
    const std::size_t got = std::fread(buffer.get(), 1, 1 << 16, file);
    if (got == 0) break;
    std::string_view chunk(buffer.get(), got);
    for (std::size_t end; (end = chunk.find('\n')) != std::string_view::npos;) {
      if (carry.empty()) {
        line(chunk.substr(0, end));
      } else {
        carry.append(chunk.substr(0, end));
        line(carry);
        carry.clear();
      }
      chunk.remove_prefix(end + 1);
    }
    carry.append(chunk);
  }
  std::fclose(file);
  return sum;
}

std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

long PeakResidentKiB() {
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

long ResidentKiB() {
  long pages = 0, resident = 0;
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm == nullptr) return 0;
  if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
  std::fclose(statm);
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

void BM_ImportDxfVsFromChars(benchmark::State& state) {
  const std::filesystem::path path = WriteLinesFile();
  if (path.empty()) {
    state.SkipWithError("no file to read");
    return;
  }
  malloc_trim(0);
  Clock::duration importTime{};
  Clock::duration baselineTime{};
  double heldPerEntity = 0;
  double peakPerEntity = 0;
  for (auto _ : state) {
    const std::size_t heapBefore = HeapInUse();
    const long residentBefore = ResidentKiB();
    RecordingMessageBox messages;
    // The drawing is freed after the clock stops: freeing is no part of importing.
    auto drawing = std::make_unique<Drawing>();
    const Clock::time_point t0 = Clock::now();
    const bool opened = ImportDxf(path, *drawing, messages).opened;
    const Clock::time_point t1 = Clock::now();
    if (!opened || drawing->entities.size() != static_cast<std::size_t>(kLines)) {
      state.SkipWithError("import failed");
      return;
    }
    heldPerEntity = static_cast<double>(HeapInUse() - heapBefore) / kLines;
    // The peak includes the file's pages, mapped while it is read.
    peakPerEntity = static_cast<double>(PeakResidentKiB() - residentBefore) * 1024 / kLines;
    drawing.reset();
    const Clock::time_point t2 = Clock::now();
    benchmark::DoNotOptimize(ReadWithFromChars(path));
    const Clock::time_point t3 = Clock::now();
    importTime += t1 - t0;
    baselineTime += t3 - t2;
    malloc_trim(0);
  }
  std::filesystem::remove(path);
  const double importNs = std::chrono::duration<double, std::nano>(importTime).count();
  const double baselineNs = std::chrono::duration<double, std::nano>(baselineTime).count();
  const double iterations = static_cast<double>(state.iterations());
  state.counters["import_ns_per_line"] = importNs / iterations / kLines;
  state.counters["from_chars_ns_per_line"] = baselineNs / iterations / kLines;
  state.counters["ratio_import_to_from_chars"] = importNs / baselineNs;
  state.counters["held_bytes_per_entity"] = heldPerEntity;
  state.counters["peak_bytes_per_entity"] = peakPerEntity;
}
BENCHMARK(BM_ImportDxfVsFromChars)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace korvo
