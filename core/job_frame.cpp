#include "core/job_frame.h"

namespace quorvan {
namespace {

constexpr std::string_view kJobControls[] = {kImportButton, kExportButton, kStartButton,
                                             kOperationGroup, kSettingsTabs};
constexpr std::string_view kFileControls[] = {kImportButton, kExportButton, kStartButton};

void setAll(JobHost& host, std::span<const std::string_view> controls, bool enabled) {
  for (auto control : controls) host.setEnabled(control, enabled);
}

}  // namespace

bool Job::releaseControls() {
  if (!holdsGate_) return true;
  holdsGate_ = false;
  return state.gate.release();
}

void openJobFrame(Job& job, bool clearList) {
  setAll(job.host, kJobControls, false);
  job.host.setProgressBar(0);
  job.store.setProgress(0);
  if (clearList) job.host.clearItems();
}

void closeJobFrame(Job& job, bool restoreCount) {
  job.store.setProgress(100);
  job.host.setProgressBar(100);
  if (restoreCount) job.host.setItemCount(job.store.workingLines.count());
  if (job.releaseControls()) setAll(job.host, kJobControls, true);
}

void openFileFrame(Job& job) {
  setAll(job.host, kFileControls, false);
  job.host.setProgressBar(0);
  job.store.setProgress(0);
}

void closeFileFrame(Job& job) {
  if (job.releaseControls()) setAll(job.host, kFileControls, true);
}

void leaveWithoutFrame(Job& job) {
  if (!job.holdsControls()) return;
  if (!job.releaseControls()) return;
  if (job.frame() == FrameKind::Job) setAll(job.host, kJobControls, true);
  if (job.frame() == FrameKind::File) setAll(job.host, kFileControls, true);
}

void disableForStart(JobHost& host, FrameKind frame) {
  if (frame == FrameKind::Job) setAll(host, kJobControls, false);
  if (frame == FrameKind::File) setAll(host, kFileControls, false);
}

}  // namespace quorvan
