#pragma once
// The settings that the window refuses without a word, and the batch tool's words for them.
//
// In the window a silent refusal shows itself: nothing changes in front of the user. A script
// sees only the exit status, so the batch tool names the setting. Judged on the settings before
// the run and reported only when the operation itself showed no message.
#include <optional>

#include "core/job_host.h"
#include "core/operation_kind.h"

namespace quorvan::cli {

// The message (GBK) for a setting of `kind` that its job would refuse silently, or nothing.
// `lineCount` is the number of working lines the job will see.
std::optional<Text> silentRefusal(OperationKind kind, JobHost& host, int32_t lineCount);

}  // namespace quorvan::cli
