#include "io/merge_split.h"

#include <memory>
#include <new>
#include <vector>

#include "core/job_frame.h"
#include "core/numbers.h"
#include "core/text_primitives.h"
#include "io/counted_reading.h"
#include "io/file_messages.h"
#include "platform/files.h"

namespace quorvan {

TextView fileNameOf(TextView path) {
  size_t start = 0;
  for (size_t pos = 0; pos < path.size();) {
    const size_t length = characterLength(path, pos);
    const char c = path[pos];
    if (length == 1 && (c == '\\' || c == '/' || c == ':')) start = pos + 1;
    pos += length;
  }
  return path.substr(start);
}

namespace {

// Reads one file into a list of its own and appends it to the working lines, so that a file
// that fails halfway adds nothing. Returns false when the file adds nothing because it cannot
// be read.
bool mergeOneFile(Job& job, TextView path, ReadOutcome& outcome) {
  if (!platform::fileExists(path)) return false;
  platform::InputFile file;
  if (!file.open(path)) return false;
  LineList fileLines;
  outcome = readCountedLines(file, fileLines, job.store.progressPercent);
  file.close();
  if (!outcome.usable()) return false;
  LineList& lines = job.store.workingLines;
  if (int64_t(lines.count()) + fileLines.count() > LineList::kMaxLines) return false;
  try {
    lines.appendAll(fileLines);
  } catch (const std::bad_alloc&) {
    return false;  // the vector's growth failed before any handle was added
  }
  return true;
}

}  // namespace

void MergeFiles(Job& job) {
  job.host.clearItems();
  openJobFrame(job, false);

  Text unreadable;
  Text stoppedEarly;
  const Text listed = job.host.controlText(kMergeFilesBox);
  for (TextView path : splitViews(listed, "|")) {
    job.host.setProgressBar(0);
    job.store.setProgress(0);
    ReadOutcome outcome;
    if (!mergeOneFile(job, path, outcome)) {
      unreadable += '\n';
      unreadable.append(path);
      continue;
    }
    if (outcome.kind == ReadOutcome::Kind::StoppedEarly) {
      stoppedEarly += gbk("\n注意：文件 ") + Text(path) + gbk(" 在第 ") +
                      numberToText(outcome.stopOffset + 1) +
                      gbk(" 字节处有结束符（NUL 或 SUB），其后的数据没有读取！");
    }
    job.store.setProgress(100);
  }
  job.host.setControlText(kMergeFilesBox, TextView());

  closeJobFrame(job);
  Text message = gbk("导入完毕，现在总数：") + numberToText(job.store.workingLines.count()) + gbk(" 行！");
  if (!unreadable.empty()) message += gbk("\n以下文件无法读取：") + unreadable;
  message += stoppedEarly;
  job.host.showMessage(message, MessageIcon::Information);
}

namespace {

// The name of part `number` (1-based) in the folder.
Text partPath(TextView folder, int32_t number, TextView importedName) {
  return platform::joinPath(folder, numberToText(number) + "_" + Text(importedName));
}

}  // namespace

void SplitExport(Job& job) {
  const int32_t parts = toInt(job.host.controlText(kSplitPartsBox));
  const Text folder = job.host.controlText(kSplitFolderBox);
  // No folder chosen ends silently; a folder that is gone is reported when its first part
  // cannot be created, like any folder that cannot take the parts.
  if (parts <= 0 || folder.empty()) {
    leaveWithoutFrame(job);
    return;
  }
  const LineList& lines = job.store.workingLines;
  const int32_t n = lines.count();
  if (n < parts) {
    leaveWithoutFrame(job);
    job.host.showMessage(gbk("欲分割的数据不足！"), MessageIcon::Error);
    return;
  }
  // The job only reads the lines, so the list view keeps its rows.
  openJobFrame(job, false);

  const int32_t per = integerPart(double(n) / double(parts));
  const TextView importedName = fileNameOf(job.store.lastImportedPath);
  // Each part is finished (closed) before the next is opened, so any number of parts needs one
  // open file; the finished parts wait as temporary files until every part has succeeded.
  std::vector<std::unique_ptr<platform::AtomicFileWriter>> finished;
  Text failedPath;
  std::string reason;
  int32_t written = 0;
  try {
    finished.reserve(size_t(parts));
    for (int32_t part = 1; part <= parts && failedPath.empty(); ++part) {
      auto writer = std::make_unique<platform::AtomicFileWriter>();
      const Text path = partPath(folder, part, importedName);
      const int32_t last = part == parts ? n : written + per;
      bool ok = writer->open(path);
      while (ok && written < last) {
        ok = writer->writeLine(lines.at(++written));
        job.store.setProgress(progressOf(written, n));
      }
      ok = ok && writer->finish();
      if (!ok) {
        failedPath = path;
        reason = writer->reason();
      } else {
        finished.push_back(std::move(writer));
      }
    }
    // All parts or none: a rename that fails puts back the files of the parts before it.
    for (int32_t part = 1; part <= parts && failedPath.empty(); ++part) {
      platform::AtomicFileWriter& writer = *finished[size_t(part) - 1];
      if (!writer.publishKeepingOld()) {
        failedPath = partPath(folder, part, importedName);
        reason = writer.reason();
        for (int32_t before = part - 1; before >= 1; --before) finished[size_t(before) - 1]->undoPublish();
      }
    }
  } catch (const std::bad_alloc&) {
    failedPath = partPath(folder, int32_t(finished.size()) + 1, importedName);
    reason = "out of memory";
  }
  finished.clear();  // removes the temporary files of parts that were not published

  closeJobFrame(job, false);
  if (failedPath.empty()) {
    job.host.showMessage(gbk("导出完毕！"), MessageIcon::Information);
  } else {
    job.host.showMessage(cannotWriteMessage(failedPath, reason), MessageIcon::Error);
  }
}

}  // namespace quorvan
