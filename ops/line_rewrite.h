#pragma once
// The loop shared by the operations that rewrite lines in place and remove none.
#include "core/line_store.h"
#include "core/numbers.h"

namespace quorvan {

// Calls `newText(line)` for every working line in order and writes back each line whose bytes
// change. A line that comes out the same keeps its handle, so no bytes are copied for it. The
// text returned may look into the line or into a buffer of the caller; it is copied before the
// next call. Sets the progress value after every line.
template <class NewText>
void rewriteLines(LineStore& store, NewText&& newText) {
  LineList& lines = store.workingLines;
  const int32_t total = lines.count();
  for (int32_t i = 1; i <= total; ++i) {
    const TextView line = lines.at(i);
    const TextView text = newText(line);
    if (text != line) lines.replace(i, text);
    store.setProgress(progressOf(i, total));
  }
  // Each rewrite leaves the old texts behind; repeated jobs must not pile them up.
  lines.compactIfWasteful();
}

}  // namespace quorvan
