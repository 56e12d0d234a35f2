#pragma once
// Column sort: "列排序".
#include <cstdint>
#include <vector>

#include "core/job.h"
#include "core/shell_sort.h"

namespace quorvan {

// Form names of the column sort panel.
inline constexpr std::string_view kColumnSortColumnBox = "编辑框33";
inline constexpr std::string_view kColumnSortDescendingBox = "选择框19";
inline constexpr std::string_view kColumnSortNumericBox = "选择框24";

// Two numbers within this distance of each other compare equal.
inline constexpr double kNumberTolerance = 1e-7;

// 1 when a is greater than b by more than the tolerance, 0 within it, -1 otherwise.
int32_t compareNumbers(double a, double b);

// One column sort in progress. The keys stay parallel to state.store.workingLines: position i
// of both always belongs to the same line. In text mode textKeys holds views of each line's
// column (into the lines' own bytes, which the sort only moves by handle); in numeric mode
// numberKeys holds each key read once with toNumber. The pivot slots are empty (0) before and
// after each insertion step.
struct ColumnSortWork {
  ColumnSortWork(EngineState& state, bool numeric) : state(state), numeric(numeric) {}

  EngineState& state;
  bool numeric;
  std::vector<TextView> textKeys;
  std::vector<double> numberKeys;
  TextView textPivot;
  double numberPivot = 0;
  TextView linePivot;
};

// The sort callback of the column sort: counts the call, sets progress to
// ((calls / 30) / count) x 50 + 50, moves keys and lines together, and compares only keys.
int32_t columnSortCallback(ColumnSortWork& work, SortRequest request, int32_t index,
                           int32_t source);

// Lists this long or longer are sorted the fast way when no two keys are equal, and otherwise by
// the engine over packed keys; shorter lists go through columnSortCallback call by call (same
// bytes either way; only the progress trace differs).
inline constexpr int32_t kFastColumnSortFrom = 4096;

void SortByColumn(Job& job);

}  // namespace quorvan
