#include "core/job_runner.h"

#include "core/job_frame.h"
#include "core/worker_thread.h"

namespace quorvan {

bool startJob(EngineState& state, JobHost& host, JobBody body, FrameKind frame) {
  if (state.gate.busy()) return false;
  state.gate.acquire();
  disableForStart(host, frame);
  state.gate.threadStarting();
  bool started = WorkerThread::startDetached([&state, &host, body, frame] {
    {
      Job job(state, host, frame, true);
      body(job);
      leaveWithoutFrame(job);  // a body that stopped before its frame gives the controls back
    }
    state.gate.threadDone();  // the last touch of the state
  });
  if (!started) {
    state.gate.threadDone();
    Job job(state, host, frame, true);
    leaveWithoutFrame(job);
  }
  return started;
}

void dispatchOperation(EngineState& state, JobHost& host, std::span<const OperationEntry> table) {
  if (state.gate.busy()) return;
  for (const OperationEntry& entry : table) {
    if (!host.isChecked(entry.radio)) continue;
    if (entry.frame == FrameKind::None) {
      Job job(state, host, FrameKind::None);
      entry.body(job);
    } else {
      startJob(state, host, entry.body, entry.frame);
    }
    return;
  }
  host.showMessage(gbk("请选择操作！"), MessageIcon::Information);
}

}  // namespace quorvan
