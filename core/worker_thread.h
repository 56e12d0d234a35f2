#pragma once
#include <functional>

namespace quorvan {

// Starts jobs on threads of their own.
class WorkerThread {
 public:
  // Runs the routine on a new detached thread; false when no thread could be started.
  static bool startDetached(std::function<void()> routine);
};

}  // namespace quorvan
