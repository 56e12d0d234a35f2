#include "ops/column_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/engine_state.h"
#include "tests/support/files.h"
#include "tests/support/recording_host.h"

namespace quorvan {
namespace {

using testing::linesOf;
using testing::makeLines;
using testing::RecordingHost;

struct SortCase {
  const char* name;
  std::vector<std::string> lines;
  const char* column;
  bool numeric;
  bool descending;
  std::vector<std::string> expected;
};

class ColumnSortTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(ColumnSortTest, OrdersLinesByTheColumn) {
  const SortCase& c = GetParam();
  EngineState state;
  state.store.workingLines = makeLines(c.lines);
  RecordingHost host;
  host.setText("编辑框1", ",");
  host.setText("编辑框33", c.column);
  host.setChecked("选择框24", c.numeric);
  host.setChecked("选择框19", c.descending);
  Job job(state, host);
  SortByColumn(job);
  EXPECT_EQ(linesOf(state.store.workingLines), c.expected);
  EXPECT_TRUE(host.messages().empty());
  EXPECT_EQ(state.store.progress(), 100);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnSortTest,
    ::testing::Values(
        // By bytes "10" comes before "2", and "2" before "9".
        SortCase{"TextAscending", {"a,10", "b,9", "c,2"}, "2", false, false, {"a,10", "c,2", "b,9"}},
        SortCase{"TextDescending", {"a,10", "b,9", "c,2"}, "2", false, true, {"b,9", "c,2", "a,10"}},
        SortCase{"NumericAscending", {"a,10", "b,9", "c,2"}, "2", true, false, {"c,2", "b,9", "a,10"}},
        SortCase{"NumericDescending", {"a,10", "b,9", "c,2"}, "2", true, true, {"a,10", "b,9", "c,2"}},
        // A line without the column has the empty key: first as text, zero as a number.
        SortCase{"MissingColumnText", {"b,2", "z", "a,1"}, "2", false, false, {"z", "a,1", "b,2"}},
        SortCase{"MissingColumnNumeric", {"b,5", "z", "a,-1"}, "2", true, false, {"a,-1", "z", "b,5"}},
        SortCase{"ColumnBeyondEveryLine", {"b,2", "a,1"}, "7", false, false, {"b,2", "a,1"}},
        // Within 1e-7 two keys are equal and keep their places; beyond it they are ordered.
        SortCase{"WithinTolerance", {"p,1.00000002", "q,1.00000001"}, "2", true, false,
                 {"p,1.00000002", "q,1.00000001"}},
        SortCase{"BeyondTolerance", {"p,1.0000003", "q,1.0000001"}, "2", true, false,
                 {"q,1.0000001", "p,1.0000003"}},
        SortCase{"EmptyList", {}, "1", false, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnSort, CompareNumbersUsesTheTolerance) {
  EXPECT_EQ(compareNumbers(1.00000001, 1.00000002), 0);
  EXPECT_EQ(compareNumbers(1.0000003, 1.0000001), 1);
  EXPECT_EQ(compareNumbers(1.0000001, 1.0000003), -1);
  EXPECT_EQ(compareNumbers(1e308 * 10, 1e308 * 10), 0);  // equal infinities
}

// Every line travels with its own key, whichever mode: the key read from each result line is in
// order, and no line is lost or doubled.
TEST(ColumnSort, LinesMoveWithTheirKeys) {
  for (bool numeric : {false, true}) {
    std::mt19937 random(7);
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) {
      lines.push_back("id" + std::to_string(i) + ";" + std::to_string(random() % 100000) + ";x");
    }
    EngineState state;
    state.store.workingLines = makeLines(lines);
    RecordingHost host;
    host.setText("编辑框1", ";");
    host.setText("编辑框33", "2");
    host.setChecked("选择框24", numeric);
    Job job(state, host);
    SortByColumn(job);

    std::vector<std::string> result = linesOf(state.store.workingLines);
    auto key = [&](const std::string& line) {
      std::string k = line.substr(line.find(';') + 1);
      return k.substr(0, k.find(';'));
    };
    for (size_t i = 1; i < result.size(); ++i) {
      if (numeric) {
        EXPECT_LE(std::stod(key(result[i - 1])), std::stod(key(result[i]))) << i;
      } else {
        EXPECT_LE(key(result[i - 1]), key(result[i])) << i;
      }
    }
    std::sort(result.begin(), result.end());
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(result, lines) << "numeric " << numeric;
  }
}

TEST(ColumnSort, RunsInTheJobFrameAndMakesTheEnginesCalls) {
  EngineState state;
  state.store.workingLines = makeLines({"x,b", "y,a"});
  RecordingHost host;
  host.setText("编辑框1", ",");
  host.setText("编辑框33", "2");
  Job job(state, host);
  SortByColumn(job);
  EXPECT_EQ(linesOf(state.store.workingLines), (std::vector<std::string>{"y,a", "x,b"}));
  // Two lines: save, compare, move, store.
  EXPECT_EQ(state.sort.calls, 4u);
  EXPECT_EQ(state.sort.count, 2);
  EXPECT_EQ(host.calls(), (std::vector<std::string>{
                              "setEnabled 按钮1 0", "setEnabled 按钮2 0", "setEnabled 按钮3 0",
                              "setEnabled 分组框1 0", "setEnabled 选择夹2 0", "setProgressBar 0",
                              "clearItems", "setProgressBar 100", "setItemCount 2",
                              "setEnabled 按钮1 1", "setEnabled 按钮2 1", "setEnabled 按钮3 1",
                              "setEnabled 分组框1 1", "setEnabled 选择夹2 1"}));
}

TEST(ColumnSort, BadSettingsAreRefusedBeforeTheFrameOpens) {
  struct Refusal {
    const char* delimiter;
    const char* column;
  };
  for (const Refusal& r : {Refusal{"", "2"}, Refusal{",", ""}, Refusal{",", "0"}, Refusal{",", "-1"},
                           Refusal{",", "abc"}}) {
    EngineState state;
    state.store.workingLines = makeLines({"b,2", "a,1"});
    RecordingHost host;
    host.setText("编辑框1", r.delimiter);
    host.setText("编辑框33", r.column);
    Job job(state, host);
    SortByColumn(job);
    // No control disabled, the list view untouched: the message is the only call.
    EXPECT_EQ(host.calls(),
              (std::vector<std::string>{"showMessage error 注意：没有分隔符或列位置错误！"}))
        << "delimiter '" << r.delimiter << "' column '" << r.column << "'";
    EXPECT_EQ(linesOf(state.store.workingLines), (std::vector<std::string>{"b,2", "a,1"}));
  }
}

}  // namespace
}  // namespace quorvan
