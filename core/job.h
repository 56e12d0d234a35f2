#pragma once
// Job: what a job body works with: the engine state, the window, and its hold on the controls.
#include "core/engine_state.h"
#include "core/job_host.h"

namespace quorvan {

// Which frame a job opens, and so which controls startJob disables before its thread starts.
enum class FrameKind {
  Job,   // the five frame controls (openJobFrame)
  File,  // the three file buttons (openFileFrame)
  None,  // runs on the window thread without a frame
};

class Job {
 public:
  // A job started by startJob holds the gate; a body called directly (tests) holds nothing.
  Job(EngineState& state, JobHost& host, FrameKind frame = FrameKind::Job, bool holdsGate = false)
      : state(state), store(state.store), host(host), frame_(frame), holdsGate_(holdsGate) {}
  Job(const Job&) = delete;
  Job& operator=(const Job&) = delete;

  EngineState& state;
  LineStore& store;
  JobHost& host;

  FrameKind frame() const { return frame_; }
  // Gives back the hold on the controls, if the job has one; true when the controls are to be
  // enabled again (no other job holds them). Safe to call more than once.
  bool releaseControls();
  bool holdsControls() const { return holdsGate_; }

 private:
  FrameKind frame_;
  bool holdsGate_;
};

// A job body: one operation's whole work, run on the job's thread.
using JobBody = void (*)(Job&);

}  // namespace quorvan
