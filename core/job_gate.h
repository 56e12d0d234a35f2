#pragma once
// JobGate: counts the jobs that hold the window's frame controls.
//
// startJob acquires a hold on the window thread before the job's thread starts; the job gives
// it back when it closes its frame (or ends without one). The controls are enabled again only
// by the job that gives back the last hold, so one finishing job never re-enables the buttons
// while another still works. Any thread may call it.
#include <atomic>

namespace quorvan {

class JobGate {
 public:
  void acquire() { holds_.fetch_add(1, std::memory_order_acq_rel); }
  // Gives back one hold; true when no job holds the controls any more.
  bool release() { return holds_.fetch_sub(1, std::memory_order_acq_rel) == 1; }
  // True while any job started through startJob has not given back its hold.
  bool busy() const { return holds_.load(std::memory_order_acquire) > 0; }

 private:
  std::atomic<int> holds_{0};
};

}  // namespace quorvan
