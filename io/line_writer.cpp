#include "io/line_writer.h"

#include "core/numbers.h"
#include "platform/files.h"

namespace quorvan {

bool writeLinesToFile(TextView path, const LineList& lines, std::atomic<int32_t>& progress,
                      std::string& reason) {
  platform::AtomicFileWriter writer;
  if (!writer.open(path)) {
    reason = writer.reason();
    return false;
  }
  const double total = lines.count();
  double done = 0;
  for (TextView line : lines) {
    if (!writer.writeLine(line)) {
      reason = writer.reason();
      return false;
    }
    progress.store(progressOf(++done, total), std::memory_order_relaxed);
  }
  if (!writer.commit()) {
    reason = writer.reason();
    return false;
  }
  return true;
}

}  // namespace quorvan
