#pragma once
// Starting jobs: the handlers of "开始处理", "导入", "导出" and "显示上一次被剔除数据".
#include <span>

#include "core/operation_kind.h"

namespace quorvan {

// Called on the window thread. Refused (false) while another job holds the controls. Otherwise
// the controls of the job's frame are disabled before its thread starts, so a second press
// cannot start a second job; the body then runs on a new detached thread.
bool startJob(EngineState& state, JobHost& host, JobBody body, FrameKind frame);

// Disables the controls that a job of this frame holds (the first step of startJob).
void disableForStart(JobHost& host, FrameKind frame);

// The click handler of "开始处理": runs the operation of the first checked radio button in
// table order, on the window thread for FrameKind::None, else through startJob; shows
// "请选择操作！" when none is checked. Does nothing while a job holds the controls.
void dispatchOperation(EngineState& state, JobHost& host, std::span<const OperationEntry> table);

}  // namespace quorvan
