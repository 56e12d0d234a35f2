#include "ui/tracked_jobs.h"

#include <array>
#include <utility>

#include "core/job_frame.h"
#include "ops/operation_table.h"
#include "ui/window_host.h"

namespace quorvan::ui {
namespace {

template <JobBody (*bodyOf)(size_t), size_t index>
void trackedBody(Job& job) {
  WindowHost::JobScope running(job.host);
  bodyOf(index)(job);
  // Given back here, inside the scope: the caller's own call then finds nothing to do.
  leaveWithoutFrame(job);
}

JobBody operationBody(size_t index) { return operationTable()[index].body; }
JobBody fileJobBody(size_t index) { return fileJobTable()[index].body; }

template <JobBody (*bodyOf)(size_t), size_t... index>
constexpr std::array<JobBody, sizeof...(index)> wrapAll(std::index_sequence<index...>) {
  return {&trackedBody<bodyOf, index>...};
}

constexpr size_t kFileJobCount = 3;

std::array<OperationEntry, kOperationCount> makeTrackedOperations() {
  constexpr auto bodies = wrapAll<operationBody>(std::make_index_sequence<kOperationCount>());
  std::array<OperationEntry, kOperationCount> entries{};
  for (size_t i = 0; i < entries.size(); ++i) {
    entries[i] = operationTable()[i];
    entries[i].body = bodies[i];
  }
  return entries;
}

}  // namespace

std::span<const OperationEntry> trackedOperations() {
  static const std::array<OperationEntry, kOperationCount> entries = makeTrackedOperations();
  return entries;
}

JobBody trackedFileJob(size_t index) {
  static constexpr auto bodies = wrapAll<fileJobBody>(std::make_index_sequence<kFileJobCount>());
  return index < fileJobTable().size() && index < bodies.size() ? bodies[index] : nullptr;
}

}  // namespace quorvan::ui
