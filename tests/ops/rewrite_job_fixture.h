#pragma once
// Runs a line-rewriting job body over given lines and settings, and keeps what it did.
#include <functional>
#include <string>
#include <vector>

#include "core/engine_state.h"
#include "core/job.h"
#include "tests/support/files.h"
#include "tests/support/recording_host.h"

namespace quorvan::testing {

struct RewriteOutcome {
  std::vector<std::string> lines;
  // Per line: whether the job left the very handle it found (no copy of the bytes).
  std::vector<bool> sameHandle;
  std::vector<std::string> calls;
  // "error <text>" or "info <text>" for every message shown.
  std::vector<std::string> messages;
  int32_t progress = 0;
  size_t removedLines = 0;
};

inline RewriteOutcome runRewriteJob(JobBody body, const std::vector<std::string>& lines,
                                    const std::function<void(RecordingHost&)>& settings) {
  EngineState state;
  state.store.workingLines = makeLines(lines);
  state.store.removedLines = makeLines({"kept aside"});
  std::vector<TextView> before(state.store.workingLines.begin(), state.store.workingLines.end());
  RecordingHost host;
  settings(host);
  Job job(state, host);
  body(job);

  RewriteOutcome outcome;
  outcome.lines = linesOf(state.store.workingLines);
  for (size_t i = 0; i < before.size() && i < outcome.lines.size(); ++i) {
    TextView after = state.store.workingLines.at(int32_t(i) + 1);
    outcome.sameHandle.push_back(after.data() == before[i].data() &&
                                 after.size() == before[i].size());
  }
  outcome.calls = host.calls();
  for (const auto& call : host.calls("showMessage")) outcome.messages.push_back(call.substr(12));
  outcome.progress = state.store.progress();
  outcome.removedLines = size_t(state.store.removedLines.count());
  return outcome;
}

// The frame calls of a job that checked its settings and, when `emptied`, emptied the list
// view before rewriting; the count is the number of lines it leaves.
inline std::vector<std::string> frameCalls(int32_t count, bool emptied) {
  std::vector<std::string> calls = {"setEnabled 按钮1 0",   "setEnabled 按钮2 0",
                                    "setEnabled 按钮3 0",   "setEnabled 分组框1 0",
                                    "setEnabled 选择夹2 0", "setProgressBar 0"};
  if (emptied) calls.push_back("clearItems");
  calls.insert(calls.end(), {"setProgressBar 100", "setItemCount " + std::to_string(count),
                             "setEnabled 按钮1 1", "setEnabled 按钮2 1", "setEnabled 按钮3 1",
                             "setEnabled 分组框1 1", "setEnabled 选择夹2 1"});
  return calls;
}

// Settings given as GBK texts by form name.
using Boxes = std::vector<std::pair<std::string_view, std::string>>;
inline std::function<void(RecordingHost&)> withBoxes(Boxes boxes) {
  return [boxes](RecordingHost& host) {
    for (const auto& [form, text] : boxes) host.setGbkText(form, text);
  };
}

}  // namespace quorvan::testing
