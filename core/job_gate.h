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

  // startJob counts each job thread from before it starts until its very last step, so that
  // whoever owns the host and the state can wait until no job can touch them any more.
  void threadStarting() { threads_.fetch_add(1, std::memory_order_acq_rel); }
  void threadDone() { threads_.fetch_sub(1, std::memory_order_acq_rel); }
  // No job holds the controls and no job thread is still running.
  bool idle() const { return !busy() && threads_.load(std::memory_order_acquire) == 0; }

 private:
  std::atomic<int> holds_{0};
  std::atomic<int> threads_{0};
};

}  // namespace quorvan
