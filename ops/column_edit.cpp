#include "ops/column_edit.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/columns.h"
#include "core/job_frame.h"
#include "core/numbers.h"
#include "core/text_primitives.h"
#include "ops/line_rewrite.h"

namespace quorvan {
namespace {

// Ends a job whose settings were refused: nothing changed, the message (if any) after the
// controls are usable again.
void refuse(Job& job, const Text* message) {
  closeJobFrame(job);
  if (message) job.host.showMessage(*message, MessageIcon::Error);
}

// Runs `edit(columns)` on the column list of every line; a line is joined again only when
// `edit` reports that it changed the list.
template <class Edit>
void editColumns(Job& job, TextView delimiter, Edit&& edit) {
  job.host.clearItems();
  std::vector<TextView> columns;
  Text joined;
  rewriteLines(job.store, [&](TextView line) -> TextView {
    splitViewsInto(line, delimiter, columns);
    if (!edit(columns)) return line;
    joined = joinColumns(std::span<const TextView>(columns), delimiter);
    return joined;
  });
  closeJobFrame(job);
}

int32_t columnNumber(Job& job, std::string_view box) { return toInt(job.host.controlText(box)); }

}  // namespace

void SwapColumns(Job& job) {
  openJobFrame(job, false);
  const Text delimiter = job.host.controlText(kDelimiterBoxName);
  const int32_t a = columnNumber(job, kSwapFirstColumnBox);
  const int32_t b = columnNumber(job, kSwapSecondColumnBox);
  if (delimiter.empty()) return refuse(job, &noDelimiterMessage());
  if (a == b || a < 1 || b < 1) return refuse(job, nullptr);
  const size_t needed = size_t(std::max(a, b));
  editColumns(job, delimiter, [&](std::vector<TextView>& columns) {
    if (columns.size() < needed) return false;
    std::swap(columns[size_t(a) - 1], columns[size_t(b) - 1]);
    return true;
  });
}

void DeleteColumn(Job& job) {
  openJobFrame(job, false);
  const Text delimiter = job.host.controlText(kDelimiterBoxName);
  const int32_t a = columnNumber(job, kDeleteColumnBox);
  if (delimiter.empty()) return refuse(job, &noDelimiterMessage());
  if (a < 1) return refuse(job, nullptr);
  editColumns(job, delimiter, [&](std::vector<TextView>& columns) {
    // A line of one column keeps it: deleting would leave nothing of the record.
    if (columns.size() < size_t(a) || columns.size() == 1) return false;
    columns.erase(columns.begin() + (a - 1));
    return true;
  });
}

void AppendSuffix(Job& job) {
  openJobFrame(job, false);
  const Text delimiter = job.host.controlText(kDelimiterBoxName);
  const int32_t a = columnNumber(job, kSuffixColumnBox);
  const Text suffix = job.host.controlText(kSuffixTextBox);
  if (delimiter.empty() || suffix.empty()) return refuse(job, &noDelimiterOrSuffixMessage());
  if (a < 1) return refuse(job, nullptr);
  Text extended;
  editColumns(job, delimiter, [&](std::vector<TextView>& columns) {
    if (columns.size() < size_t(a)) return false;
    TextView& column = columns[size_t(a) - 1];
    extended.assign(column).append(suffix);
    column = extended;
    return true;
  });
}

}  // namespace quorvan
