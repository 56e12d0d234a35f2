#include "core/job_frame.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/job_runner.h"
#include "tests/support/files.h"
#include "tests/support/recording_host.h"

namespace quorvan {
namespace {

using testing::RecordingHost;
using Calls = std::vector<std::string>;

const Calls kDisableFive = {"setEnabled 按钮1 0", "setEnabled 按钮2 0", "setEnabled 按钮3 0",
                            "setEnabled 分组框1 0", "setEnabled 选择夹2 0"};
const Calls kEnableFive = {"setEnabled 按钮1 1", "setEnabled 按钮2 1", "setEnabled 按钮3 1",
                           "setEnabled 分组框1 1", "setEnabled 选择夹2 1"};

Calls concat(std::initializer_list<Calls> parts) {
  Calls all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(JobFrame, OpensAndClosesInTheFixedOrder) {
  EngineState state;
  state.store.workingLines = testing::makeLines({"a", "b"});
  RecordingHost host;
  Job job(state, host);
  openJobFrame(job);
  EXPECT_EQ(state.store.progress(), 0);
  closeJobFrame(job);
  EXPECT_EQ(state.store.progress(), 100);
  EXPECT_EQ(host.calls(), concat({kDisableFive, {"setProgressBar 0", "clearItems"},
                                  {"setProgressBar 100", "setItemCount 2"}, kEnableFive}));
}

TEST(JobFrame, ReadOnlyJobsLeaveTheListViewAlone) {
  EngineState state;
  RecordingHost host;
  Job job(state, host);
  openJobFrame(job, false);
  closeJobFrame(job, false);
  EXPECT_TRUE(host.calls("clearItems").empty());
  EXPECT_TRUE(host.calls("setItemCount").empty());
}

TEST(FileFrame, TouchesOnlyTheThreeFileButtons) {
  EngineState state;
  RecordingHost host;
  Job job(state, host, FrameKind::File);
  openFileFrame(job);
  closeFileFrame(job);
  EXPECT_EQ(host.calls(), (Calls{"setEnabled 按钮1 0", "setEnabled 按钮2 0", "setEnabled 按钮3 0",
                                 "setProgressBar 0", "setEnabled 按钮1 1", "setEnabled 按钮2 1",
                                 "setEnabled 按钮3 1"}));
}

TEST(JobGate, OnlyTheLastFinishingJobEnablesTheButtons) {
  EngineState state;
  RecordingHost host;
  state.gate.acquire();
  state.gate.acquire();
  Job first(state, host, FrameKind::File, true);
  Job second(state, host, FrameKind::File, true);
  closeFileFrame(first);
  EXPECT_TRUE(host.calls("setEnabled").empty());
  EXPECT_TRUE(state.gate.busy());
  closeFileFrame(second);
  EXPECT_EQ(host.calls("setEnabled").size(), 3u);
  EXPECT_FALSE(state.gate.busy());
}

// A body that waits until the test lets it go, so the test can look at the window meanwhile.
struct Latch {
  std::atomic<bool> open{false};
  std::atomic<bool> done{false};
};
Latch* gLatch = nullptr;

void waitingBody(Job& job) {
  openJobFrame(job);
  while (!gLatch->open) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  closeJobFrame(job);
  gLatch->done = true;
}

void waitUntil(const std::atomic<bool>& flag) {
  for (int i = 0; i < 5000 && !flag; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

// The job's thread touches the state up to its last step: wait for it before the state goes.
void waitUntilIdle(const EngineState& state) {
  for (int i = 0; i < 5000 && !state.gate.idle(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST(StartJob, DisablesTheControlsBeforeTheThreadStartsAndRefusesASecondJob) {
  EngineState state;
  RecordingHost host;
  Latch latch;
  gLatch = &latch;
  ASSERT_TRUE(startJob(state, host, waitingBody, FrameKind::Job));
  // The press itself disabled the five controls: a second press is refused at once.
  Calls early = host.calls();
  ASSERT_GE(early.size(), 5u);
  EXPECT_EQ(Calls(early.begin(), early.begin() + 5), kDisableFive);
  EXPECT_TRUE(state.gate.busy());
  EXPECT_FALSE(startJob(state, host, waitingBody, FrameKind::Job));
  latch.open = true;
  waitUntil(latch.done);
  waitUntilIdle(state);
  EXPECT_TRUE(state.gate.idle());
  Calls calls = host.calls();
  Calls last(calls.end() - 5, calls.end());
  EXPECT_EQ(last, kEnableFive);
}

void stopsBeforeItsFrame(Job& job) {
  leaveWithoutFrame(job);
  job.host.showMessage("refused", MessageIcon::Error);
  gLatch->done = true;
}

TEST(StartJob, AJobThatStopsBeforeItsFrameGivesTheControlsBackFirst) {
  EngineState state;
  RecordingHost host;
  Latch latch;
  gLatch = &latch;
  ASSERT_TRUE(startJob(state, host, stopsBeforeItsFrame, FrameKind::Job));
  waitUntil(latch.done);
  waitUntilIdle(state);
  EXPECT_EQ(host.calls(), concat({kDisableFive, kEnableFive, {"showMessage error refused"}}));
}

Calls gRan;
void recordA(Job&) { gRan.push_back("A"); }
void recordB(Job& job) {
  gRan.push_back("B");
  EXPECT_EQ(job.frame(), FrameKind::None);
}

TEST(DispatchOperation, RunsTheFirstCheckedOperationOrAsksForOne) {
  EngineState state;
  RecordingHost host;
  const OperationEntry table[] = {
      {OperationKind::SortLines, "单选框6", "", 0, "", "", FrameKind::None, recordA},
      {OperationKind::AppendBlankLines, "单选框15", "", 0, "", "", FrameKind::None, recordB},
  };
  dispatchOperation(state, host, table);
  EXPECT_EQ(host.lastMessage(), "请选择操作！");
  EXPECT_TRUE(gRan.empty());

  host.setChecked("单选框15", true);
  dispatchOperation(state, host, table);
  EXPECT_EQ(gRan, Calls{"B"});
  host.setChecked("单选框6", true);
  dispatchOperation(state, host, table);
  EXPECT_EQ(gRan, (Calls{"B", "A"}));
  EXPECT_EQ(host.messages().size(), 1u);
}

}  // namespace
}  // namespace quorvan
