// Laying out and drawing 10,000 texts of 20 characters in the shipped default font into a
// 1920 x 1080 picture, against two baselines measured in the same run: drawing, through the
// same render context, the very strokes those texts consist of (so the ratio is what layout
// and the entity draw protocol add per stroke), and drawing 10,000 plain line entities. All
// three are timed in the thread's CPU time.
#include <time.h>

#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "core/drawing.h"
#include "core/line_entity.h"
#include "core/text_entity.h"
#include "platform/raster_device.h"
#include "text/text_layout.h"
#include "view/render_context.h"

namespace korvo {
namespace {

constexpr int kTexts = 10'000;
constexpr int kLength = 20;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Thread CPU time: the machine is shared, and wall time would count other processes' turns.
struct Clock {
  using duration = std::chrono::nanoseconds;
  using time_point = std::chrono::time_point<Clock, duration>;
  static time_point now() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return time_point(duration(int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec));
  }
};

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

class StrokeCollector : public TextStrokeSink {
 public:
  void Line(const Point& from, const Point& to) override { lines.push_back({from, to}); }
  void Arc(const Point&, double, double, double, double, double) override { ++arcs; }
  std::vector<std::pair<Point, Point>> lines;
  int arcs = 0;
};

// One world unit a pixel. Texts 8 units high at random places and angles inside the
// picture, printable characters; lines of a text's length (about 100 units) alike.
void FillDrawings(Drawing& texts, Drawing& lines) {
  for (Drawing* drawing : {&texts, &lines}) {
    drawing->New();
    drawing->settings.viewOrigin = Point(0, 0);
    drawing->settings.viewExtent = Size{kWidth - 1, kHeight - 1};
  }
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> x(100, kWidth - 100), y(100, kHeight - 100);
  std::uniform_real_distribution<double> angle(0, 6.283185307179586);
  std::uniform_int_distribution<int> character(0x21, 0x7E);
  for (int i = 0; i < kTexts; ++i) {
    std::u16string content;
    for (int k = 0; k < kLength; ++k) content.push_back(static_cast<char16_t>(character(random)));
    const Point at(x(random), y(random));
    const double rotation = angle(random);
    texts.entities.AddTail(new TextEntity(at, 8, rotation, 1, 0, 0, static_cast<uint8_t>(i % 3),
                                          content, texts.settings));
    const Point end(at.x + 100 * std::cos(rotation), at.y + 100 * std::sin(rotation));
    lines.entities.AddTail(new LineEntity(at, end, lines.settings));
  }
}

void BM_DrawTenThousandTexts(benchmark::State& state) {
  Drawing texts, lines;
  FillDrawings(texts, lines);
  Bitmap picture(kWidth, kHeight);
  DeviceContext dc(picture);
  const ScreenRect rect{0, 0, kWidth - 1, kHeight - 1};

  // The strokes the texts consist of, read once: this also reads every glyph used.
  StrokeCollector strokes;
  for (const Entity* entity : texts.entities)
    LayOutText(entity->AsText()->Placement(), 1.0, strokes);
  if (strokes.arcs != 0) state.SkipWithError("the baseline counts line strokes only");

  Clock::duration textTime{}, layoutTime{}, strokeTime{}, lineTime{};
  for (auto _ : state) {
    StrokeCollector layoutOnly;
    const Clock::time_point t0 = Clock::now();
    {
      RenderContext rc(dc, rect, texts.settings);
      texts.entities.Draw(rc);
    }
    const Clock::time_point t1 = Clock::now();
    for (const Entity* entity : texts.entities) {
      Point min, max;
      entity->GetExtents(min, max);
      benchmark::DoNotOptimize(max);
    }
    const Clock::time_point t2 = Clock::now();
    {
      RenderContext rc(dc, rect, texts.settings);
      rc.lineType = nullptr;
      dc.SelectPen({PenStyle::Solid, 0xFFFFFF});
      for (const auto& [from, to] : strokes.lines) rc.DrawLine(from, to);
    }
    const Clock::time_point t3 = Clock::now();
    {
      RenderContext rc(dc, rect, lines.settings);
      lines.entities.Draw(rc);
    }
    const Clock::time_point t4 = Clock::now();
    benchmark::DoNotOptimize(picture.pixels().data());
    textTime += t1 - t0;
    layoutTime += t2 - t1;
    strokeTime += t3 - t2;
    lineTime += t4 - t3;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["strokes"] = static_cast<double>(strokes.lines.size());
  state.counters["texts_ms"] = Milliseconds(textTime) / n;
  state.counters["layout_only_ms"] = Milliseconds(layoutTime) / n;
  state.counters["same_strokes_ms"] = Milliseconds(strokeTime) / n;
  state.counters["lines_ms"] = Milliseconds(lineTime) / n;
  state.counters["ratio_texts_to_same_strokes"] = Milliseconds(textTime) / Milliseconds(strokeTime);
  state.counters["ratio_texts_to_lines"] = Milliseconds(textTime) / Milliseconds(lineTime);
}
BENCHMARK(BM_DrawTenThousandTexts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvo
