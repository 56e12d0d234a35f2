#pragma once
// The three file jobs: "导入", "导出" and "显示上一次被剔除数据". Each runs on a job thread
// inside the file frame.
#include "core/job.h"
#include "platform/files.h"

namespace quorvan {

// Replaces workingLines with the non-empty lines of the file the user chooses. A file that
// cannot be read changes nothing and is reported with the error icon.
void ImportLines(Job& job);
// ImportLines after its dialog: reads `file`, already opened from `path` (or not open, its
// reason() saying why), into workingLines, with the same frame and messages. The batch tool
// imports its input, which may be standard input, through this.
void importFromFile(Job& job, TextView path, platform::InputFile& file);
// Writes workingLines to the file the user chooses; a failure leaves that file as it was.
void ExportLines(Job& job);
// Writes removedLines to a file named after the current date and time in the program's folder.
void WriteRemovedLines(Job& job);

// The import's file filter, "文本文件 .txt|*.txt" (GBK); merge and the comparison panels use it
// too.
const Text& textFileFilter();

}  // namespace quorvan
