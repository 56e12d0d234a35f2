// The engine's sort and duplicate marking against the fast ways the jobs take, on one million
// mobile numbers (about 30% repeated) held in memory.
//
//   cmake --build build-bench && build-bench/bench/sort_dedupe_bench
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "core/duplicate_table.h"
#include "core/engine_state.h"
#include "core/fast_sort.h"
#include "core/numbers.h"
#include "ops/column_sort.h"
#include "ops/sort_lines.h"

namespace {

constexpr int kLines = 1'000'000;

const quorvan::LineList& numbers() {
  static const quorvan::LineList lines = [] {
    std::mt19937_64 random(20261211);
    std::vector<std::string> made;
    quorvan::LineList list;
    for (int i = 0; i < kLines; ++i) {
      if (!made.empty() && random() % 10 < 3) {
        made.push_back(made[random() % made.size()]);
      } else {
        made.push_back(std::to_string(13000000000ull + random() % 1000000000ull));
      }
      list.append(made.back());
    }
    return list;
  }();
  return lines;
}

void fill(quorvan::EngineState& state) { state.store.workingLines.appendAll(numbers()); }

// The engine, call by call with the progress after each call.
void BM_SortEngine(benchmark::State& bench) {
  for (auto _ : bench) {
    bench.PauseTiming();
    quorvan::EngineState state;
    fill(state);
    bench.ResumeTiming();
    quorvan::sortWorkingLines(state, false);
  }
}
BENCHMARK(BM_SortEngine)->Unit(benchmark::kMillisecond)->Iterations(1);

// What "快速排序" does now.
void BM_SortFast(benchmark::State& bench) {
  for (auto _ : bench) {
    bench.PauseTiming();
    quorvan::EngineState state;
    fill(state);
    bench.ResumeTiming();
    quorvan::sortTexts(state.store.workingLines.handles(), false, state.store.progressPercent, 0,
                       100);
  }
}
BENCHMARK(BM_SortFast)->Unit(benchmark::kMillisecond);

// Numeric column sort: the engine through its callback, then the fast order by value.
void BM_NumberSortEngine(benchmark::State& bench) {
  for (auto _ : bench) {
    bench.PauseTiming();
    quorvan::EngineState state;
    fill(state);
    quorvan::ColumnSortWork work(state, true);
    for (quorvan::TextView line : state.store.workingLines)
      work.numberKeys.push_back(quorvan::toNumber(line));
    state.sort.count = state.store.workingLines.count();
    bench.ResumeTiming();
    quorvan::shellSort(
        state.sort.count,
        [&work](quorvan::SortRequest request, int32_t index, int32_t source) {
          return quorvan::columnSortCallback(work, request, index, source);
        },
        false);
  }
}
BENCHMARK(BM_NumberSortEngine)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_NumberSortFast(benchmark::State& bench) {
  std::vector<double> keys;
  for (quorvan::TextView line : numbers()) keys.push_back(quorvan::toNumber(line));
  for (auto _ : bench) benchmark::DoNotOptimize(quorvan::orderByNumber(keys));
}
BENCHMARK(BM_NumberSortFast)->Unit(benchmark::kMillisecond);

void BM_MarkDuplicates(benchmark::State& bench) {
  quorvan::DuplicateTable table;
  std::atomic<int32_t> progress{0};
  for (auto _ : bench) {
    std::vector<uint8_t> marks(size_t(kLines), 0);
    benchmark::DoNotOptimize(quorvan::markDuplicates(table, numbers().handles(), marks, progress));
  }
}
BENCHMARK(BM_MarkDuplicates)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
