// Import and export of 10 million mobile numbers (CR LF): the floor every operation stands on.
//
//   cmake -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVAN_BUILD_BENCH=ON
//   cmake --build build-bench && build-bench/bench/import_export_bench
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/line_list.h"
#include "io/counted_reading.h"
#include "io/line_writer.h"
#include "platform/files.h"

namespace {

constexpr int kLines = 10'000'000;

const std::string& numbersFile() {
  static const std::string path = [] {
    std::string file = (std::filesystem::temp_directory_path() / "quorvan-bench-10m.txt").string();
    if (std::filesystem::exists(file)) return file;
    std::FILE* out = std::fopen(file.c_str(), "wb");
    uint32_t state = 12345;
    std::string block;
    for (int i = 0; i < kLines; ++i) {
      state = state * 1664525u + 1013904223u;
      char line[16];
      std::snprintf(line, sizeof line, "13%09u\r\n", state % 1000000000u);
      block += line;
      if (block.size() > (1 << 20)) {
        std::fwrite(block.data(), 1, block.size(), out);
        block.clear();
      }
    }
    std::fwrite(block.data(), 1, block.size(), out);
    std::fclose(out);
    return file;
  }();
  return path;
}

void importLines(quorvan::LineList& lines) {
  quorvan::platform::InputFile file;
  if (!file.open(numbersFile())) std::abort();
  std::atomic<int32_t> progress{0};
  quorvan::readCountedLines(file, lines, progress);
}

void BM_Import10M(benchmark::State& state) {
  for (auto _ : state) {
    quorvan::LineList lines;
    importLines(lines);
    if (lines.count() != kLines) state.SkipWithError("wrong line count");
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(numbersFile()));
}
BENCHMARK(BM_Import10M)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Export10M(benchmark::State& state) {
  quorvan::LineList lines;
  importLines(lines);
  std::string target = numbersFile() + ".out";
  for (auto _ : state) {
    std::atomic<int32_t> progress{0};
    std::string reason;
    if (!quorvan::writeLinesToFile(target, lines, progress, reason)) state.SkipWithError(reason.c_str());
  }
  std::filesystem::remove(target);
  state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(numbersFile()));
}
BENCHMARK(BM_Export10M)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
