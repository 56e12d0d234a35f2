#include "ops/replace_format.h"

#include <vector>

#include "core/columns.h"
#include "core/job_frame.h"
#include "core/text_primitives.h"
#include "ops/line_rewrite.h"

namespace quorvan {

void ReplaceText(Job& job) {
  openJobFrame(job);
  const Text find = job.host.controlText(kFindTextBox);
  const Text replacement = job.host.controlText(kReplacementBox);
  if (find.empty()) return closeJobFrame(job);
  Text replaced;
  rewriteLines(job.store, [&](TextView line) -> TextView {
    // Most lines of a large file hold no occurrence: leave them without building a copy.
    if (findText(line, find) < 0) return line;
    replaced = replaceSubtext(line, find, replacement);
    return replaced;
  });
  closeJobFrame(job);
}

void FormatLines(Job& job) {
  openJobFrame(job, false);
  const Text delimiter = job.host.controlText(kDelimiterBoxName);
  if (delimiter.empty()) {
    closeJobFrame(job);
    job.host.showMessage(noDelimiterMessage(), MessageIcon::Error);
    return;
  }
  job.host.clearItems();
  std::vector<TextView> columns;
  Text joined;
  rewriteLines(job.store, [&](TextView line) -> TextView {
    splitViewsInto(line, delimiter, columns);
    joined = joinNonBlankColumns(columns, delimiter);
    return joined;
  });
  closeJobFrame(job);
}

}  // namespace quorvan
