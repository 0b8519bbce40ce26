// Saving and loading a drawing of a million lines against plain buffered file I/O of the same
// bytes, and the peak heap of the load.
#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/line_entity.h"
#include "platform/file_io.h"
#include "platform/message_box.h"

// Every heap allocation of the program is counted, so that the peak of a load can be read.
namespace {
std::size_t g_heapInUse = 0;
std::size_t g_heapPeak = 0;

void* Counted(void* p) {
  if (p == nullptr) throw std::bad_alloc();
  g_heapInUse += malloc_usable_size(p);
  if (g_heapInUse > g_heapPeak) g_heapPeak = g_heapInUse;
  return p;
}
void Uncounted(void* p) noexcept {
  if (p == nullptr) return;
  g_heapInUse -= malloc_usable_size(p);
  std::free(p);
}
}  // namespace

void* operator new(std::size_t size) {
  return Counted(std::malloc(size == 0 ? 1 : size));
}
void* operator new[](std::size_t size) {
  return Counted(std::malloc(size == 0 ? 1 : size));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p != nullptr) Counted(p);
  return p;
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p != nullptr) Counted(p);
  return p;
}
void operator delete(void* p) noexcept {
  Uncounted(p);
}
void operator delete[](void* p) noexcept {
  Uncounted(p);
}
void operator delete(void* p, std::size_t) noexcept {
  Uncounted(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  Uncounted(p);
}

namespace korvo {
namespace {

constexpr int kLines = 1'000'000;
// The common header and a line's body: what one line costs in the file.
constexpr std::size_t kLineRecordBytes = 30 + 32;

using Clock = std::chrono::steady_clock;

double Nanoseconds(Clock::duration d) {
  return std::chrono::duration<double, std::nano>(d).count();
}

std::filesystem::path Scratch(const char* name) {
  return std::filesystem::temp_directory_path() /
         (std::string("korvocad_bench_") + std::to_string(::getpid()) + "_" + name);
}

std::unique_ptr<Drawing> MakeDrawing() {
  auto drawing = std::make_unique<Drawing>();
  drawing->New();
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> coordinate(0.0, 1000.0);
  for (int i = 0; i < kLines; ++i) {
    drawing->entities.AddTail(new LineEntity(coordinate(random), coordinate(random),
                                             coordinate(random), coordinate(random),
                                             drawing->settings));
  }
  return drawing;
}

// The baseline of saving: the same number of bytes through stdio, one record at a time,
// with the same flush to the disk that saving does.
bool PlainWrite(const std::filesystem::path& path, std::size_t bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const char record[kLineRecordBytes] = {};
  bool ok = true;
  for (std::size_t written = 0; written < bytes; written += kLineRecordBytes) {
    const std::size_t n = std::min(kLineRecordBytes, bytes - written);
    ok = std::fwrite(record, 1, n, file) == n && ok;
  }
  ok = std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0 && ok;
  return std::fclose(file) == 0 && ok;
}

// The baseline of loading: the same bytes read through stdio one record at a time, and one
// heap object of a line entity's size per record.
std::vector<void*> PlainRead(const std::filesystem::path& path) {
  std::vector<void*> objects;
  objects.reserve(kLines);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return objects;
  char record[kLineRecordBytes];
  while (std::fread(record, 1, sizeof record, file) == sizeof record) {
    benchmark::DoNotOptimize(record);
    objects.push_back(::operator new(sizeof(LineEntity)));
  }
  std::fclose(file);
  return objects;
}

void BM_SaveMillionLinesVsPlainWrite(benchmark::State& state) {
  const std::unique_ptr<Drawing> drawing = MakeDrawing();
  const std::filesystem::path saved = Scratch("save.KorvoDWG");
  const std::filesystem::path plain = Scratch("plain.bin");
  RecordingMessageBox messages;
  Clock::duration saveTime{};
  Clock::duration plainTime{};
  std::size_t bytes = 0;
  for (auto _ : state) {
    const Clock::time_point t0 = Clock::now();
    const bool ok = SaveDrawing(*drawing, saved, messages);
    const Clock::time_point t1 = Clock::now();
    bytes = std::filesystem::file_size(saved);
    const Clock::time_point t2 = Clock::now();
    const bool plainOk = PlainWrite(plain, bytes);
    const Clock::time_point t3 = Clock::now();
    if (!ok || !plainOk) state.SkipWithError("a write failed");
    saveTime += t1 - t0;
    plainTime += t3 - t2;
  }
  std::filesystem::remove(saved);
  std::filesystem::remove(plain);
  const double iterations = static_cast<double>(state.iterations());
  state.counters["file_bytes"] = static_cast<double>(bytes);
  state.counters["save_ms"] = Nanoseconds(saveTime) / iterations / 1e6;
  state.counters["plain_ms"] = Nanoseconds(plainTime) / iterations / 1e6;
  state.counters["ratio_save_to_plain"] = Nanoseconds(saveTime) / Nanoseconds(plainTime);
}
BENCHMARK(BM_SaveMillionLinesVsPlainWrite)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LoadMillionLinesVsPlainRead(benchmark::State& state) {
  const std::filesystem::path path = Scratch("load.KorvoDWG");
  RecordingMessageBox messages;
  {
    const std::unique_ptr<Drawing> drawing = MakeDrawing();
    if (!SaveDrawing(*drawing, path, messages)) state.SkipWithError("the drawing was not saved");
  }
  Clock::duration loadTime{};
  Clock::duration plainTime{};
  std::size_t peak = 0;
  for (auto _ : state) {
    auto drawing = std::make_unique<Drawing>();
    const std::size_t before = g_heapInUse;
    g_heapPeak = g_heapInUse;
    const Clock::time_point t0 = Clock::now();
    const OpenResult result = OpenDrawing(path, *drawing, messages);
    const Clock::time_point t1 = Clock::now();
    peak = g_heapPeak - before;
    if (!result.opened || drawing->entities.size() != static_cast<std::size_t>(kLines))
      state.SkipWithError("the drawing was not loaded");
    state.PauseTiming();
    drawing.reset();
    state.ResumeTiming();

    const Clock::time_point t2 = Clock::now();
    std::vector<void*> objects = PlainRead(path);
    const Clock::time_point t3 = Clock::now();
    if (objects.size() < static_cast<std::size_t>(kLines)) state.SkipWithError("short read");
    state.PauseTiming();
    for (void* object : objects) ::operator delete(object);
    state.ResumeTiming();
    loadTime += t1 - t0;
    plainTime += t3 - t2;
  }
  std::filesystem::remove(path);
  const double iterations = static_cast<double>(state.iterations());
  state.counters["load_ms"] = Nanoseconds(loadTime) / iterations / 1e6;
  state.counters["plain_ms"] = Nanoseconds(plainTime) / iterations / 1e6;
  state.counters["ratio_load_to_plain"] = Nanoseconds(loadTime) / Nanoseconds(plainTime);
  state.counters["load_peak_heap_MB"] = static_cast<double>(peak) / 1e6;
  state.counters["load_peak_heap_bytes_per_line"] = static_cast<double>(peak) / kLines;
}
BENCHMARK(BM_LoadMillionLinesVsPlainRead)->Unit(benchmark::kMillisecond)->Iterations(5);

// The earlier way of loading, for comparison in the same run: the whole file read into memory
// first, then parsed from there.
void BM_LoadMillionLinesFromWholeFile(benchmark::State& state) {
  const std::filesystem::path path = Scratch("whole.KorvoDWG");
  RecordingMessageBox messages;
  {
    const std::unique_ptr<Drawing> drawing = MakeDrawing();
    if (!SaveDrawing(*drawing, path, messages)) state.SkipWithError("the drawing was not saved");
  }
  Clock::duration loadTime{};
  std::size_t peak = 0;
  for (auto _ : state) {
    auto drawing = std::make_unique<Drawing>();
    const std::size_t before = g_heapInUse;
    g_heapPeak = g_heapInUse;
    const Clock::time_point t0 = Clock::now();
    const std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    const OpenResult result = bytes ? OpenDrawingBytes(*bytes, *drawing, messages) : OpenResult{};
    const Clock::time_point t1 = Clock::now();
    peak = g_heapPeak - before;
    if (!result.opened || drawing->entities.size() != static_cast<std::size_t>(kLines))
      state.SkipWithError("the drawing was not loaded");
    state.PauseTiming();
    drawing.reset();
    state.ResumeTiming();
    loadTime += t1 - t0;
  }
  std::filesystem::remove(path);
  const double iterations = static_cast<double>(state.iterations());
  state.counters["load_ms"] = Nanoseconds(loadTime) / iterations / 1e6;
  state.counters["load_peak_heap_bytes_per_line"] = static_cast<double>(peak) / kLines;
}
BENCHMARK(BM_LoadMillionLinesFromWholeFile)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace korvo
