#pragma once
// The job bodies as the window starts them: each one wrapped so that the window's host knows
// while it runs, and so that nothing of the host or the engine state is touched after the
// wrapper has let go (the window waits for that before it goes away).
#include <span>

#include "core/operation_kind.h"

namespace quorvan::ui {

// The operation table in its order, each body wrapped.
std::span<const OperationEntry> trackedOperations();
// The body of fileJobTable()[index], wrapped.
JobBody trackedFileJob(size_t index);

}  // namespace quorvan::ui
