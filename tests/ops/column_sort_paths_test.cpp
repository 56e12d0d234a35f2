// Long lists take other ways through the column sort; their bytes must be the engine's.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/columns.h"
#include "core/engine_state.h"
#include "core/numbers.h"
#include "ops/column_sort.h"
#include "tests/support/files.h"
#include "tests/support/recording_host.h"

namespace quorvan {
namespace {

using testing::linesOf;
using testing::makeLines;
using testing::RecordingHost;
using Lines = std::vector<std::string>;

// The engine call by call, through the job's own callback.
Lines engineOrder(const Lines& lines, bool numeric, bool descending) {
  EngineState state;
  state.store.workingLines = makeLines(lines);
  ColumnSortWork work(state, numeric);
  for (TextView line : state.store.workingLines) {
    TextView key = columnValue(line, ",", 2);
    if (numeric) {
      work.numberKeys.push_back(toNumber(key));
    } else {
      work.textKeys.push_back(key);
    }
  }
  state.sort.count = state.store.workingLines.count();
  shellSort(
      state.sort.count,
      [&work](SortRequest request, int32_t index, int32_t source) {
        return columnSortCallback(work, request, index, source);
      },
      descending);
  return linesOf(state.store.workingLines);
}

Lines jobOrder(const Lines& lines, bool numeric, bool descending) {
  EngineState state;
  state.store.workingLines = makeLines(lines);
  RecordingHost host;
  host.setText("编辑框1", ",");
  host.setText("编辑框33", "2");
  host.setChecked(kColumnSortNumericBox, numeric);
  host.setChecked(kColumnSortDescendingBox, descending);
  Job job(state, host);
  SortByColumn(job);
  EXPECT_EQ(state.store.progress(), 100);
  return linesOf(state.store.workingLines);
}

// Lines "i,key": every line is unique, so a tie order that differs from the engine's shows.
Lines keyedLines(size_t count, bool withTies, unsigned seed) {
  std::mt19937 random(seed);
  Lines lines;
  for (size_t i = 0; i < count; ++i) {
    const uint32_t value = withTies ? random() % 300 : uint32_t(i * 7919 % 100003);
    std::string key =
        std::to_string(value / 100) + "." + char('0' + value % 100 / 10) + char('0' + value % 10);
    if (random() % 50 == 0) key = "";  // a line without the column: key empty, number 0
    if (!withTies && key.empty()) key = "-" + std::to_string(i + 1) + ".5";
    lines.push_back(std::to_string(i) + "," + key);
  }
  return lines;
}

TEST(ColumnSortPaths, LongListsGiveTheEnginesBytes) {
  const size_t count = size_t(kFastColumnSortFrom) + 900;
  for (bool withTies : {false, true}) {
    const Lines lines = keyedLines(count, withTies, withTies ? 7 : 8);
    for (bool numeric : {false, true}) {
      for (bool descending : {false, true}) {
        EXPECT_EQ(jobOrder(lines, numeric, descending), engineOrder(lines, numeric, descending))
            << "ties " << withTies << " numeric " << numeric << " descending " << descending;
      }
    }
  }
}

TEST(ColumnSortPaths, NumbersWithinTheToleranceKeepTheEnginesOrder) {
  // All keys differ as text, but pairs lie within 1e-7 of each other: they count as equal.
  Lines lines;
  for (size_t i = 0; i < size_t(kFastColumnSortFrom) + 100; ++i) {
    lines.push_back("x" + std::to_string(i) + "," + std::to_string(i / 2) + ".0000000" +
                    std::to_string(i % 2 + 1));
  }
  std::shuffle(lines.begin(), lines.end(), std::mt19937(3));
  EXPECT_EQ(jobOrder(lines, true, false), engineOrder(lines, true, false));
}

}  // namespace
}  // namespace quorvan
