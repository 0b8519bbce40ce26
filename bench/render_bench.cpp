// Rendering 100,000 random lines into a 1920 x 1080 picture the way the view does, against a
// plain Bresenham fill of the same screen segments into a raw buffer; and the bitmap export
// of that drawing against writing the same number of bytes to a file.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "core/drawing.h"
#include "core/line_entity.h"
#include "exchange/bitmap_export.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/raster_device.h"
#include "view/picture.h"

namespace korvo {
namespace {

constexpr int kLines = 100'000;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

using Clock = std::chrono::steady_clock;

double Nanoseconds(Clock::duration d) {
  return std::chrono::duration<double, std::nano>(d).count();
}

// One world unit a pixel, so that the baseline's screen segments are the world ones.
void FillDrawing(Drawing& drawing) {
  drawing.New();
  drawing.settings.viewOrigin = Point(0, 0);
  drawing.settings.viewExtent = Size{kWidth - 1, kHeight - 1};
  drawing.settings.gridOn = 0;
  std::mt19937_64 random(20261210);
  std::uniform_int_distribution<int> x(0, kWidth - 1), y(0, kHeight - 1);
  std::uniform_int_distribution<int> color(1, 255);
  for (int i = 0; i < kLines; ++i) {
    auto* line = new LineEntity(x(random), y(random), x(random), y(random), drawing.settings);
    line->SetColorIndex(color(random));
    drawing.entities.AddTail(line);
  }
}

struct ScreenSegment {
  int x0, y0, x1, y1;
  uint32_t color;
};

// The textbook integer Bresenham, end pixel included, no clipping (all segments are inside).
void PlainBresenham(std::vector<uint32_t>& buffer, const ScreenSegment& s) {
  int x0 = s.x0, y0 = s.y0;
  const int dx = std::abs(s.x1 - x0), sx = x0 < s.x1 ? 1 : -1;
  const int dy = -std::abs(s.y1 - y0), sy = y0 < s.y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    buffer[static_cast<std::size_t>(y0) * kWidth + static_cast<std::size_t>(x0)] = s.color;
    if (x0 == s.x1 && y0 == s.y1) break;
    const int e2 = 2 * error;
    if (e2 >= dy) error += dy, x0 += sx;
    if (e2 <= dx) error += dx, y0 += sy;
  }
}

void BM_RenderLinesVsPlainBresenham(benchmark::State& state) {
  Drawing drawing;
  FillDrawing(drawing);
  std::vector<ScreenSegment> segments;
  segments.reserve(kLines);
  for (Entity* entity : drawing.entities) {
    const LineEntity& line = *entity->AsLine();
    segments.push_back({static_cast<int>(line.start.x),
                        kHeight - 1 - static_cast<int>(line.start.y), static_cast<int>(line.end.x),
                        kHeight - 1 - static_cast<int>(line.end.y), line.GetColor()});
  }
  Bitmap picture(kWidth, kHeight);
  std::vector<uint32_t> raw(static_cast<std::size_t>(kWidth) * kHeight);

  Clock::duration renderTime{}, plainTime{};
  for (auto _ : state) {
    const Clock::time_point t0 = Clock::now();
    RenderPicture(drawing, picture, Background::Black);
    const Clock::time_point t1 = Clock::now();
    std::fill(raw.begin(), raw.end(), 0u);
    for (const ScreenSegment& s : segments) PlainBresenham(raw, s);
    const Clock::time_point t2 = Clock::now();
    benchmark::DoNotOptimize(picture.pixels().data());
    benchmark::DoNotOptimize(raw.data());
    renderTime += t1 - t0;
    plainTime += t2 - t1;
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["render_ms"] = Nanoseconds(renderTime) / iterations / 1e6;
  state.counters["plain_bresenham_ms"] = Nanoseconds(plainTime) / iterations / 1e6;
  state.counters["ratio_render_to_plain"] = Nanoseconds(renderTime) / Nanoseconds(plainTime);
}
BENCHMARK(BM_RenderLinesVsPlainBresenham)->Unit(benchmark::kMillisecond);

void BM_ExportBitmapVsRawWrite(benchmark::State& state) {
  Drawing drawing;
  FillDrawing(drawing);
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  const std::filesystem::path exported = folder / "korvocad_render_bench.bmp";
  const std::filesystem::path raw = folder / "korvocad_render_bench.raw";
  RecordingMessageBox messages;
  BitmapExportOptions options{kWidth, kHeight, false};
  const std::vector<char> bytes(1078 + static_cast<std::size_t>(kWidth) * kHeight, 'x');

  Clock::duration exportTime{}, rawTime{};
  for (auto _ : state) {
    const Clock::time_point t0 = Clock::now();
    if (!ExportBitmap(drawing, exported, options, BitmapOptionsSource::Arguments, 0, 0,
                      Background::Black, messages))
      state.SkipWithError("the export failed");
    const Clock::time_point t1 = Clock::now();
    WriteFileAtomically(raw, [&](FileWriter& file) {
      file.Write(bytes.data(), bytes.size());
      return true;
    });
    const Clock::time_point t2 = Clock::now();
    exportTime += t1 - t0;
    rawTime += t2 - t1;
  }
  std::filesystem::remove(exported);
  std::filesystem::remove(raw);
  const double iterations = static_cast<double>(state.iterations());
  state.counters["export_ms"] = Nanoseconds(exportTime) / iterations / 1e6;
  state.counters["raw_write_ms"] = Nanoseconds(rawTime) / iterations / 1e6;
  state.counters["ratio_export_to_raw_write"] = Nanoseconds(exportTime) / Nanoseconds(rawTime);
}
BENCHMARK(BM_ExportBitmapVsRawWrite)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvo
