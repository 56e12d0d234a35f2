#pragma once
// The one table of operations: for each OperationKind its radio button, caption, settings
// page, batch command and job body, in the order the dispatcher tests them. The dispatcher,
// the window's radio-to-page mapping and the batch tool's help all read it.
#include <span>

#include "core/operation_kind.h"

namespace quorvan {

std::span<const OperationEntry> operationTable();
const OperationEntry& operationEntry(OperationKind kind);
// The entry whose batch command is `command`, or nullptr.
const OperationEntry* findOperationByCommand(std::string_view command);

// "导入", "导出" and "显示上一次被剔除数据".
std::span<const FileJobEntry> fileJobTable();

}  // namespace quorvan
