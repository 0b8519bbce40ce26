// Expanding block references (clone, scale, rotate, two translations per part) against
// cloning the same parts into plain lists, both in the same run; 1,000 and 10,000 references
// to a block of 100 lines show whether the cost stays linear in the parts made.
#include <chrono>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "core/block_definition.h"
#include "core/drawing_settings.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"

namespace korvo {
namespace {

constexpr int kBlockLines = 100;

void BM_SetBlockVsPlainClones(benchmark::State& state) {
  const int references = static_cast<int>(state.range(0));
  const DrawingSettings settings;
  BlockDefinition block(u"GRID");
  block.basePoint = Point(5, 5);
  for (int i = 0; i < kBlockLines; ++i) block.AddTail(new LineEntity(i, 0, i, 10, settings));
  std::vector<std::unique_ptr<InsertEntity>> inserts;
  std::vector<std::unique_ptr<EntityList>> plain;
  for (int i = 0; i < references; ++i) {
    inserts.push_back(
        std::make_unique<InsertEntity>(u"GRID", Point(i * 20.0, 0), 2, 3, 0.5, settings));
    plain.push_back(std::make_unique<EntityList>());
  }

  using Clock = std::chrono::steady_clock;
  Clock::duration expandTime{};
  Clock::duration cloneTime{};
  for (auto _ : state) {
    const Clock::time_point t0 = Clock::now();
    for (auto& insert : inserts) insert->SetBlock(block);
    const Clock::time_point t1 = Clock::now();
    // The baseline: the same clones without any transform (CopyFrom also frees the
    // previous clones, as SetBlock does).
    for (auto& list : plain) list->CopyFrom(block);
    const Clock::time_point t2 = Clock::now();
    if (inserts.back()->expanded.size() != static_cast<std::size_t>(kBlockLines))
      state.SkipWithError("wrong part count");
    benchmark::DoNotOptimize(plain.back()->size());
    expandTime += t1 - t0;
    cloneTime += t2 - t1;
  }
  const double parts = static_cast<double>(state.iterations()) * references * kBlockLines;
  const double expandNs = std::chrono::duration<double, std::nano>(expandTime).count();
  const double cloneNs = std::chrono::duration<double, std::nano>(cloneTime).count();
  state.counters["expand_ns_per_part"] = expandNs / parts;
  state.counters["clone_ns_per_part"] = cloneNs / parts;
  state.counters["ratio_expand_to_clone"] = expandNs / cloneNs;
}
BENCHMARK(BM_SetBlockVsPlainClones)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvo
