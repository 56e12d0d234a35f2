#pragma once
// The nineteen operations, one per radio button of "分组框1", in the order the dispatcher
// tests them, and the entry type of the one table that describes them (ops/operation_table).
#include <span>
#include <string_view>

#include "core/job.h"

namespace quorvan {

enum class OperationKind {
  SortLines,
  RemoveDuplicates,
  SwapColumns,
  DeleteColumn,
  ReplaceText,
  FormatLines,
  AppendSuffix,
  GenerateColumn,
  MergeFiles,
  FilterLines,
  RemoveDuplicatesByColumn,
  FilterMobileNumbers,
  SubtractFile,
  SubtractFileByColumn,
  AppendBlankLines,
  StripCharacters,
  SortByColumn,
  SplitExport,
  ShuffleLines,
};

inline constexpr int kOperationCount = 19;

struct OperationEntry {
  OperationKind kind;
  std::string_view radio;    // form name of its radio button ("单选框6")
  std::string_view caption;  // the radio button's caption (UTF-8)
  int page;                  // page of "选择夹2" its radio button shows
  std::string_view panel;    // form name of the group box on that page ("分组框17")
  std::string_view command;  // name of the batch tool's operation ("sort")
  FrameKind frame;           // FrameKind::None: runs on the window thread, no frame
  JobBody body;
};

// A job started by its own button: "导入", "导出", "显示上一次被剔除数据".
struct FileJobEntry {
  std::string_view button;  // form name ("按钮1")
  std::string_view caption;
  JobBody body;
};

}  // namespace quorvan
