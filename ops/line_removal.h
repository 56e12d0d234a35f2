#pragma once
// What the operations that remove lines by a rule on one column share.
#include <cstdint>
#include <optional>

#include "core/columns.h"
#include "core/job_frame.h"
#include "core/numbers.h"
#include "core/text.h"

namespace quorvan {

// "处理完成！被剔除的数据行数：" followed by the count (GBK).
inline Text removalMessage(int32_t removedCount) {
  return gbk("处理完成！被剔除的数据行数：") + numberToText(removedCount);
}

struct ColumnChoice {
  Text delimiter;
  int32_t column = 0;
};

// Reads the delimiter and the column box once the frame is open. An empty delimiter closes the
// frame with "注意：没有分隔符！"; a column below 1 closes it silently. Either way nothing changes.
inline std::optional<ColumnChoice> readColumnChoice(Job& job, std::string_view columnBox) {
  ColumnChoice choice{job.host.controlText(kDelimiterBoxName), 0};
  if (choice.delimiter.empty()) {
    closeJobFrame(job);
    job.host.showMessage(noDelimiterMessage(), MessageIcon::Error);
    return std::nullopt;
  }
  choice.column = toInt(job.host.controlText(columnBox));
  if (choice.column < 1) {
    closeJobFrame(job);
    return std::nullopt;
  }
  return choice;
}

// Keeps the working lines whose column value `keeps` accepts and moves the others, in order, to
// a new removedLines (sharing their bytes); then closes the frame and shows the count removed.
template <class Keeps>
void removeLinesByColumn(Job& job, const ColumnChoice& choice, Keeps&& keeps) {
  job.host.clearItems();
  const LineList& lines = job.store.workingLines;
  const int32_t n = lines.count();
  LineList kept;
  LineList removed;
  for (int32_t i = 1; i <= n; ++i) {
    TextView value = columnValue(lines.at(i), choice.delimiter, choice.column);
    (keeps(value) ? kept : removed).appendFrom(lines, i);
    job.store.setProgress(progressOf(i, n));
  }
  job.store.workingLines = std::move(kept);
  job.store.removedLines = std::move(removed);
  const int32_t removedCount = job.store.removedLines.count();
  closeJobFrame(job);
  job.host.showMessage(removalMessage(removedCount), MessageIcon::Information);
}

}  // namespace quorvan
