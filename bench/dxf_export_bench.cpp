// DXF export of a million lines against the plain way of writing the same LINE records:
// snprintf with "%lf" into a buffer and buffered writes, measured in the same run.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "core/drawing.h"
#include "core/line_entity.h"
#include "exchange/dxf_export.h"
#include "exchange/dxf_sink.h"
#include "platform/message_box.h"

namespace korvo {
namespace {

constexpr int kLines = 1'000'000;
using Clock = std::chrono::steady_clock;

std::unique_ptr<Drawing> MakeDrawing() {
  auto drawing = std::make_unique<Drawing>();
  drawing->New();
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> coordinate(0.0, 1000.0);
  for (int i = 0; i < kLines; ++i) {
    const Point a(coordinate(random), coordinate(random));
    const Point b(coordinate(random), coordinate(random));
    drawing->entities.AddTail(new LineEntity(a, b, drawing->settings));
  }
  return drawing;
}

// The baseline writer: one snprintf per LINE record (the bytes the export writes for it) into
// a 64 KiB buffer that is handed to `write` when full.
template <class Write>
void WriteLinesWithSnprintf(const Drawing& drawing, Write&& write) {
  std::unique_ptr<char[]> buffer(new char[1 << 16]);
  std::size_t used = 0;
  unsigned handle = 0x702;
  for (const Entity* entity : drawing.entities) {
    const LineEntity& line = *entity->AsLine();
    if (used > (1 << 16) - 512) {
      write(buffer.get(), used);
      used = 0;
    }
    const int n = std::snprintf(
        buffer.get() + used, 512,
        "0\nLINE\n5\n%X\n100\nAcDbEntity\n8\n%s\n6\n%s\n 62\n%6d\n370\n%d\n100\nAcDbLine\n"
        "10\n%lf\n20\n%lf\n30\n0.0\n11\n%lf\n21\n%lf\n31\n0.0\n",
        handle++, "0", "BYLAYER", 256, -1, line.start.x, line.start.y, line.end.x, line.end.y);
    used += static_cast<std::size_t>(n);
  }
  write(buffer.get(), used);
}

// Both into memory that is thrown away: the cost of formatting alone.
void BM_DxfFormattingVsSnprintf(benchmark::State& state) {
  const auto drawing = MakeDrawing();
  class DiscardingSink : public DxfSink {
   public:
    bool Write(const char* data, std::size_t size) override {
      benchmark::DoNotOptimize(data);
      bytes += size;
      return true;
    }
    std::size_t bytes = 0;
  };
  Clock::duration exportTime{};
  Clock::duration baselineTime{};
  for (auto _ : state) {
    DiscardingSink sink;
    const Clock::time_point t0 = Clock::now();
    if (!WriteDxfDrawing(*drawing, sink)) state.SkipWithError("export failed");
    const Clock::time_point t1 = Clock::now();
    std::size_t baselineBytes = 0;
    WriteLinesWithSnprintf(*drawing, [&](const char* data, std::size_t size) {
      benchmark::DoNotOptimize(data);
      baselineBytes += size;
    });
    const Clock::time_point t2 = Clock::now();
    exportTime += t1 - t0;
    baselineTime += t2 - t1;
    state.counters["export_bytes"] = static_cast<double>(sink.bytes);
    state.counters["baseline_bytes"] = static_cast<double>(baselineBytes);
  }
  const double exportNs = std::chrono::duration<double, std::nano>(exportTime).count();
  const double baselineNs = std::chrono::duration<double, std::nano>(baselineTime).count();
  const double iterations = static_cast<double>(state.iterations());
  state.counters["export_ns_per_line"] = exportNs / iterations / kLines;
  state.counters["snprintf_ns_per_line"] = baselineNs / iterations / kLines;
  state.counters["ratio_export_to_snprintf"] = exportNs / baselineNs;
}
BENCHMARK(BM_DxfFormattingVsSnprintf)->Unit(benchmark::kMillisecond);

// Both into a file that reaches the disk: ExportDxf (temporary file, flush to disk, rename)
// against buffered writes of the snprintf records, flushed to disk the same way.
void BM_ExportDxfFileVsSnprintf(benchmark::State& state) {
  const auto drawing = MakeDrawing();
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  const std::filesystem::path exportPath =
      folder / ("korvocad_bench_" + std::to_string(::getpid()) + ".dxf");
  const std::filesystem::path baselinePath =
      folder / ("korvocad_bench_" + std::to_string(::getpid()) + "_baseline.dxf");
  RecordingMessageBox messages;
  Clock::duration exportTime{};
  Clock::duration baselineTime{};
  for (auto _ : state) {
    const Clock::time_point t0 = Clock::now();
    if (!ExportDxf(*drawing, exportPath, messages)) state.SkipWithError("export failed");
    const Clock::time_point t1 = Clock::now();
    std::FILE* file = std::fopen(baselinePath.c_str(), "wb");
    if (file == nullptr) {
      state.SkipWithError("no baseline file");
      break;
    }
    WriteLinesWithSnprintf(
        *drawing, [&](const char* data, std::size_t size) { std::fwrite(data, 1, size, file); });
    std::fflush(file);
    ::fsync(::fileno(file));
    std::fclose(file);
    const Clock::time_point t2 = Clock::now();
    exportTime += t1 - t0;
    baselineTime += t2 - t1;
  }
  std::error_code error;
  std::filesystem::remove(exportPath, error);
  std::filesystem::remove(baselinePath, error);
  const double exportNs = std::chrono::duration<double, std::nano>(exportTime).count();
  const double baselineNs = std::chrono::duration<double, std::nano>(baselineTime).count();
  const double iterations = static_cast<double>(state.iterations());
  state.counters["export_ns_per_line"] = exportNs / iterations / kLines;
  state.counters["snprintf_ns_per_line"] = baselineNs / iterations / kLines;
  state.counters["ratio_export_to_snprintf"] = exportNs / baselineNs;
}
BENCHMARK(BM_ExportDxfFileVsSnprintf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace korvo
