// The owner-data list view: changing the row count, and painting a page, cost the same for a
// thousand rows as for ten million, and the view's memory does not grow with the rows.
//
//   cmake -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVAN_BUILD_BENCH=ON
//   cmake --build build-bench && build-bench/bench/list_view_bench
//
// heap_growth_bytes: what the process's heap grew by while the view took the row count and
// painted, for the row count of the run.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <cstring>
#include <string>

#include "ui/virtual_list.h"

namespace {

using quorvan::ui::ListItemRequest;
using quorvan::ui::VirtualList;

size_t heapInUse() { return mallinfo2().uordblks; }

struct ShownList {
  QWidget parent;
  VirtualList& list = *new VirtualList;  // owned by the parent once created

  ShownList() {
    parent.resize(1119, 500);
    list.create(&parent, 0, 0, 1119, 500);
    list.insertColumn(-1, "ID", 70);
    list.insertColumn(-1, "Data", 1000);
    list.setSingleSelection(true, true);
    list.setItemTextHandler([](ListItemRequest& request, char* buffer) {
      const std::string text = "1380013" + std::to_string(request.row);
      std::memcpy(buffer, text.data(), text.size());
    });
    parent.show();
  }
};

void BM_SetItemCount(benchmark::State& state) {
  ShownList view;
  const auto rows = int32_t(state.range(0));
  for (auto _ : state) {
    view.list.setItemCount(rows);
    view.list.clearItems();
  }
  const size_t before = heapInUse();
  view.list.setItemCount(rows);
  view.list.ensureVisible(rows - 1);
  view.parent.grab();
  state.counters["heap_growth_bytes"] = double(heapInUse()) - double(before);
}
BENCHMARK(BM_SetItemCount)->Arg(1'000)->Arg(10'000'000)->Arg(100'000'000);

void BM_PaintPage(benchmark::State& state) {
  ShownList view;
  view.list.setItemCount(int32_t(state.range(0)));
  view.list.ensureVisible(int(state.range(0)) / 2);
  for (auto _ : state) benchmark::DoNotOptimize(view.parent.grab());
}
BENCHMARK(BM_PaintPage)->Arg(1'000)->Arg(10'000'000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
