#include "io/import_export.h"

#include "core/date_time_text.h"
#include "core/job_frame.h"
#include "core/numbers.h"
#include "io/counted_reading.h"
#include "io/file_messages.h"
#include "io/line_writer.h"
#include "platform/files.h"

namespace quorvan {

const Text& textFileFilter() {
  static const Text filter = gbk("文本文件 .txt|*.txt");
  return filter;
}

void ImportLines(Job& job) {
  FileDialogRequest request;
  request.save = false;
  request.filter = textFileFilter();
  std::optional<Text> chosen = job.host.chooseFile(request);
  if (!chosen) {
    leaveWithoutFrame(job);
    return;
  }
  platform::InputFile file;
  file.open(*chosen);
  importFromFile(job, *chosen, file);
}

void importFromFile(Job& job, TextView path, platform::InputFile& file) {
  job.host.clearItems();
  openFileFrame(job);

  LineList lines;
  ReadOutcome outcome;
  if (!file.isOpen()) {
    outcome.kind = ReadOutcome::Kind::Failed;
    outcome.reason = file.reason();
  } else {
    outcome = readCountedLines(file, lines, job.store.progressPercent);
    file.close();
  }

  if (!outcome.usable()) {
    // Nothing changes: the old lines come back into view.
    lines.clear();
    job.store.setProgress(100);
    job.host.setItemCount(job.store.workingLines.count());
    closeFileFrame(job);
    job.host.showMessage(cannotReadMessage(path, outcome), MessageIcon::Error);
    return;
  }

  job.store.lastImportedPath = path;
  job.store.workingLines = std::move(lines);
  const int32_t n = job.store.workingLines.count();
  job.store.setProgress(100);
  job.host.setItemCount(n);
  closeFileFrame(job);
  job.host.showMessage(gbk("导入完毕，总数：") + numberToText(n) + gbk(" 行！") + stoppedEarlyNote(outcome),
                       MessageIcon::Information);
}

void ExportLines(Job& job) {
  if (job.store.workingLines.empty()) {
    leaveWithoutFrame(job);
    return;
  }
  FileDialogRequest request;
  request.save = true;
  request.defaultExtension = Text("txt");
  std::optional<Text> chosen = job.host.chooseFile(request);
  if (!chosen) {
    leaveWithoutFrame(job);
    return;
  }
  openFileFrame(job);
  std::string reason;
  bool written = writeLinesToFile(*chosen, job.store.workingLines, job.store.progressPercent, reason);
  closeFileFrame(job);
  if (written) {
    job.host.showMessage(gbk("导出完毕！"), MessageIcon::Information);
  } else {
    job.host.showMessage(cannotWriteMessage(*chosen, reason), MessageIcon::Error);
  }
}

void WriteRemovedLines(Job& job) {
  if (job.store.removedLines.empty()) {
    leaveWithoutFrame(job);
    return;
  }
  openFileFrame(job);
  const Text name = dateTimeToText(platform::currentTime()) + ".txt";
  const Text path = platform::joinPath(platform::programDirectory(), name);
  std::string reason;
  bool written = writeLinesToFile(path, job.store.removedLines, job.store.progressPercent, reason);
  closeFileFrame(job);
  if (written) {
    job.host.showMessage(gbk("文件已经写出到程序目录下的 ") + name, MessageIcon::Information);
  } else {
    job.host.showMessage(cannotWriteMessage(path, reason), MessageIcon::Error);
  }
}

}  // namespace quorvan
