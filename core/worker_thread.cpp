#include "core/worker_thread.h"

#include <system_error>
#include <thread>

namespace quorvan {

bool WorkerThread::startDetached(std::function<void()> routine) {
  try {
    std::thread(std::move(routine)).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

}  // namespace quorvan
