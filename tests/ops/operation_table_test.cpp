#include "ops/operation_table.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/engine_state.h"
#include "core/job_runner.h"
#include "io/merge_split.h"
#include "ops/column_edit.h"
#include "ops/column_sort.h"
#include "ops/dedupe.h"
#include "ops/filter_lines.h"
#include "ops/generate_column.h"
#include "ops/mobile_filter.h"
#include "ops/replace_format.h"
#include "ops/shuffle_blank.h"
#include "ops/sort_lines.h"
#include "ops/strip_characters.h"
#include "ops/subtract_file.h"
#include "tests/support/files.h"
#include "tests/support/recording_host.h"

namespace quorvan {
namespace {

using testing::linesOf;
using testing::makeLines;
using testing::RecordingHost;

struct Expected {
  OperationKind kind;
  const char* radio;
  const char* caption;
  JobBody body;
  FrameKind frame;
};

// The operations in the order the dispatcher tests their radio buttons.
const Expected kExpected[] = {
    {OperationKind::SortLines, "单选框6", "快速排序", SortLines, FrameKind::Job},
    {OperationKind::RemoveDuplicates, "单选框1", "剔除重复", RemoveDuplicates, FrameKind::Job},
    {OperationKind::SwapColumns, "单选框3", "列交换位置", SwapColumns, FrameKind::Job},
    {OperationKind::DeleteColumn, "单选框4", "指定列删除", DeleteColumn, FrameKind::Job},
    {OperationKind::ReplaceText, "单选框9", "文本替换", ReplaceText, FrameKind::Job},
    {OperationKind::FormatLines, "单选框7", "格式化", FormatLines, FrameKind::Job},
    {OperationKind::AppendSuffix, "单选框2", "指定列添加后缀", AppendSuffix, FrameKind::Job},
    {OperationKind::GenerateColumn, "单选框8", "生成自定义列", GenerateColumn, FrameKind::Job},
    {OperationKind::MergeFiles, "单选框5", "合并文件", MergeFiles, FrameKind::Job},
    {OperationKind::FilterLines, "单选框10", "筛选数据", FilterLines, FrameKind::Job},
    {OperationKind::RemoveDuplicatesByColumn, "单选框11", "剔除重复(按列对比)", RemoveDuplicatesByColumn,
     FrameKind::Job},
    {OperationKind::FilterMobileNumbers, "单选框12", "手机号筛选", FilterMobileNumbers, FrameKind::Job},
    {OperationKind::SubtractFile, "单选框13", "文本对比剔除", SubtractFile, FrameKind::Job},
    {OperationKind::SubtractFileByColumn, "单选框14", "文本对比剔除(按列对比)", SubtractFileByColumn,
     FrameKind::Job},
    {OperationKind::AppendBlankLines, "单选框15", "加入空行", AppendBlankLines, FrameKind::None},
    {OperationKind::StripCharacters, "单选框16", "去除杂质", StripCharacters, FrameKind::Job},
    {OperationKind::SortByColumn, "单选框17", "列排序", SortByColumn, FrameKind::Job},
    {OperationKind::SplitExport, "单选框18", "分割导出", SplitExport, FrameKind::Job},
    {OperationKind::ShuffleLines, "单选框19", "打乱顺序", ShuffleLines, FrameKind::Job},
};
static_assert(std::size(kExpected) == kOperationCount);

TEST(OperationTable, HoldsTheNineteenOperationsInDispatchOrder) {
  auto table = operationTable();
  ASSERT_EQ(table.size(), size_t(kOperationCount));
  for (size_t i = 0; i < table.size(); ++i) {
    const Expected& e = kExpected[i];
    SCOPED_TRACE(e.caption);
    EXPECT_EQ(table[i].kind, e.kind);
    EXPECT_EQ(table[i].radio, e.radio);
    EXPECT_EQ(table[i].caption, e.caption);
    EXPECT_EQ(table[i].body, e.body);
    EXPECT_EQ(table[i].frame, e.frame);
    EXPECT_EQ(&operationEntry(e.kind), &table[i]);
  }
}

// What the stand-in bodies saw: which entry ran, on which thread, with which frame.
struct Run {
  size_t entry;
  std::thread::id thread;
  FrameKind frame;
};
std::mutex runsMutex;
std::condition_variable runsChanged;
std::vector<Run> runs;

template <size_t I>
void recordingBody(Job& job) {
  std::lock_guard lock(runsMutex);
  runs.push_back({I, std::this_thread::get_id(), job.frame()});
  runsChanged.notify_all();
}

template <size_t... I>
std::array<OperationEntry, sizeof...(I)> recordingTable(std::index_sequence<I...>) {
  auto table = operationTable();
  std::array<OperationEntry, sizeof...(I)> copy{table[I]...};
  ((copy[I].body = recordingBody<I>), ...);
  return copy;
}

// Waits until the job's thread has given the controls back (its last use of the host).
bool waitForEnables(const RecordingHost& host, size_t count) {
  for (int i = 0; i < 5000; ++i) {
    size_t enables = 0;
    for (const auto& call : host.calls("setEnabled")) enables += call.back() == '1';
    if (enables >= count) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

TEST(OperationTable, EachRadioButtonStartsItsOwnBody) {
  const auto table = recordingTable(std::make_index_sequence<kOperationCount>());
  for (size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(std::string(table[i].caption));
    {
      std::lock_guard lock(runsMutex);
      runs.clear();
    }
    EngineState state;
    RecordingHost host;
    host.setChecked(table[i].radio, true);
    dispatchOperation(state, host, table);

    std::unique_lock lock(runsMutex);
    if (table[i].frame == FrameKind::None) {
      // Run at once on the calling thread, with no control touched.
      ASSERT_EQ(runs.size(), 1u);
      EXPECT_EQ(runs[0].thread, std::this_thread::get_id());
      EXPECT_TRUE(host.calls().empty());
    } else {
      ASSERT_TRUE(runsChanged.wait_for(lock, std::chrono::seconds(10), [] { return !runs.empty(); }));
      EXPECT_NE(runs[0].thread, std::this_thread::get_id());
      lock.unlock();
      ASSERT_TRUE(waitForEnables(host, 5));
      lock.lock();
    }
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].entry, i);
    EXPECT_EQ(runs[0].frame, kExpected[i].frame);
    // The job's thread touches the state up to its last step: wait for it before the state goes.
    for (int t = 0; t < 5000 && !state.gate.idle(); ++t) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(state.gate.idle());
  }
}

TEST(OperationTable, TheFirstCheckedRadioWinsAndNoneCheckedIsReported) {
  const auto table = recordingTable(std::make_index_sequence<kOperationCount>());
  {
    std::lock_guard lock(runsMutex);
    runs.clear();
  }
  EngineState state;
  RecordingHost host;
  host.setChecked("单选框15", true);
  host.setChecked("单选框19", true);
  host.setChecked("单选框17", true);
  dispatchOperation(state, host, table);
  {
    std::lock_guard lock(runsMutex);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(table[runs[0].entry].radio, "单选框15");
  }

  RecordingHost nothingChecked;
  dispatchOperation(state, nothingChecked, table);
  EXPECT_EQ(nothingChecked.calls(), (std::vector<std::string>{"showMessage info 请选择操作！"}));
}

// The real table: "加入空行" changes the lines before dispatchOperation returns, with no frame.
TEST(OperationTable, BlankLinesRunThroughTheDispatcherWithoutAFrame) {
  EngineState state;
  state.store.workingLines = makeLines({"1", "2", "3", "4", "5"});
  RecordingHost host;
  host.setChecked("单选框15", true);
  host.setText("编辑框31", "3");
  dispatchOperation(state, host, operationTable());
  EXPECT_EQ(linesOf(state.store.workingLines),
            (std::vector<std::string>{"1", "2", "3", "4", "5", "", "", ""}));
  EXPECT_EQ(host.calls(), (std::vector<std::string>{"clearItems", "setItemCount 8"}));
  EXPECT_FALSE(state.gate.busy());
}

}  // namespace
}  // namespace quorvan
