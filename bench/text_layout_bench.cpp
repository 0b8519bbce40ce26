// Text layout of many short texts and of one long text, each against a baseline measured in
// the same run: handing the same number of strokes to the same sink from a flat array, which
// is the least any layout must do.

#include <chrono>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "text/font_loading.h"
#include "text/text_layout.h"

namespace korvo {
namespace {

class SumSink : public TextStrokeSink {
 public:
  void Line(const Point& from, const Point& to) override { sum += from.x + from.y + to.x + to.y; }
  void Arc(const Point& center, double radius, double, double, double, double) override {
    sum += center.x + radius;
  }
  double sum = 0;
};

class CollectSink : public TextStrokeSink {
 public:
  void Line(const Point& from, const Point& to) override { lines.push_back({from, to}); }
  void Arc(const Point&, double, double, double, double, double) override {}
  std::vector<std::pair<Point, Point>> lines;
};

struct Workload {
  std::vector<std::u16string> contents;
  std::vector<TextPlacement> texts;
  std::vector<std::pair<Point, Point>> flat;  // every stroke the texts lay out
};

// `count` texts of `length` printable characters, spread over the sheet with mixed
// rotations and alignments, in the shipped default font with all its glyphs read.
Workload MakeWorkload(StrokeFont& font, int count, int length) {
  Workload w;
  w.contents.reserve(count);
  for (int i = 0; i < count; ++i) {
    std::u16string content;
    for (int k = 0; k < length; ++k)
      content.push_back(static_cast<char16_t>(0x21 + (i * 7 + k * 13) % 94));
    w.contents.push_back(std::move(content));
  }
  for (int i = 0; i < count; ++i) {
    TextPlacement text;
    text.insertionPoint = {static_cast<double>(i % 200), static_cast<double>(i / 200)};
    text.height = 2.5;
    text.rotation = (i % 8) * 0.25;
    text.horizontalAlignment = static_cast<uint8_t>(i % 3);
    text.font = &font;
    text.content = w.contents[i];
    w.texts.push_back(text);
  }
  CollectSink collect;
  for (const TextPlacement& text : w.texts) LayOutText(text, 0.1, collect);
  w.flat = std::move(collect.lines);
  return w;
}

void RunAgainstBaseline(benchmark::State& state, const Workload& w) {
  using Clock = std::chrono::steady_clock;
  double layoutSeconds = 0, baselineSeconds = 0;
  for (auto _ : state) {
    SumSink baseline;
    const auto t0 = Clock::now();
    for (const auto& [from, to] : w.flat) baseline.Line(from, to);
    const auto t1 = Clock::now();
    SumSink sink;
    for (const TextPlacement& text : w.texts) LayOutText(text, 0.1, sink);
    const auto t2 = Clock::now();
    benchmark::DoNotOptimize(baseline.sum);
    benchmark::DoNotOptimize(sink.sum);
    const double layout = std::chrono::duration<double>(t2 - t1).count();
    baselineSeconds += std::chrono::duration<double>(t1 - t0).count();
    layoutSeconds += layout;
    state.SetIterationTime(layout);
  }
  state.counters["strokes"] = static_cast<double>(w.flat.size());
  state.counters["ratio_to_flat_strokes"] = layoutSeconds / baselineSeconds;
}

FontRef LoadedDefaultFont() {
  FontRef font(kDefaultFontName);
  std::u16string all;
  for (char16_t c = 0x20; c < 0x7F; ++c) all.push_back(c);
  LoadGlyphs(*font, all);
  return font;
}

void BM_TenThousandShortTexts(benchmark::State& state) {
  const FontRef font = LoadedDefaultFont();
  const Workload w = MakeWorkload(*font, 10000, 20);
  RunAgainstBaseline(state, w);
}
BENCHMARK(BM_TenThousandShortTexts)->UseManualTime()->Unit(benchmark::kMillisecond);

// One text of n characters: the time per character stays flat as n grows.
void BM_OneLongText(benchmark::State& state) {
  const FontRef font = LoadedDefaultFont();
  const Workload w = MakeWorkload(*font, 1, static_cast<int>(state.range(0)));
  RunAgainstBaseline(state, w);
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_OneLongText)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->UseManualTime()
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace korvo
