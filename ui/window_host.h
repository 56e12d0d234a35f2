#pragma once
// WindowHost: the window's side of JobHost, callable from any thread.
//
// A call made on the window thread acts at once. A call from a job's thread is handed to the
// window thread and the job waits until it has taken effect, so the window sees a job's calls
// in the order the job makes them. The hand-off is a queue under one std::mutex with one
// std::condition_variable; Qt only carries a wake-up event that holds no data, so every
// ordering between the threads goes through the mutex, where ThreadSanitizer can see it.
//
// A job's closing message does not block the window: the job waits until the user dismisses
// it, while the window goes on working.
//
// When the window closes it shuts the host down: waiting calls return at once, later calls do
// nothing (reads give empty values, dialogs are cancelled), and waitForJobs() lets the window
// wait until every job body it started has returned before the objects they use go away.
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "core/job_host.h"

class QObject;

namespace quorvan::ui {

struct HostChannel;

// What the window does for its host, on the window thread only.
class WindowSide : public JobHost {
 public:
  // A job's message: leaves the window usable; `dismissed` runs once it is gone.
  virtual void showJobMessage(TextView text, MessageIcon icon, std::function<void()> dismissed) = 0;
};

class WindowHost final : public JobHost {
 public:
  // Construct on the window thread.
  explicit WindowHost(WindowSide& side);
  ~WindowHost() override;
  WindowHost(const WindowHost&) = delete;
  WindowHost& operator=(const WindowHost&) = delete;

  Text controlText(std::string_view formName) override;
  bool isChecked(std::string_view formName) override;
  void setControlText(std::string_view formName, TextView text) override;
  void setEnabled(std::string_view formName, bool enabled) override;
  void setProgressBar(int32_t position) override;
  void clearItems() override;
  void setItemCount(int32_t count) override;
  void showMessage(TextView text, MessageIcon icon) override;
  std::optional<Text> chooseFile(const FileDialogRequest& request) override;

  // Window thread: releases every waiting call and refuses later ones.
  void shutDown();
  // Window thread, after shutDown(): returns when no job body of this host runs any more and
  // `othersDone` holds (a job whose thread has not reached its body yet is seen only there).
  void waitForJobs(const std::function<bool()>& othersDone = [] { return true; });
  // The number of job bodies running now.
  int runningJobs() const;

  // Held by a job body for as long as it runs (see tracked_jobs.h).
  class JobScope {
   public:
    explicit JobScope(JobHost& host);
    ~JobScope();
    JobScope(const JobScope&) = delete;
    JobScope& operator=(const JobScope&) = delete;

   private:
    std::shared_ptr<HostChannel> channel_;
  };

  // Runs the calls handed over so far (the wake-up's handler).
  void runHandedCalls();

 private:
  using Done = std::function<void()>;
  // Hands `work` to the window thread and waits until it calls its Done; false when the host
  // was shut down before that.
  bool handOver(std::function<void(Done)> work);
  bool onWindowThread() const { return std::this_thread::get_id() == windowThread_; }

  WindowSide& side_;
  std::thread::id windowThread_;
  std::shared_ptr<HostChannel> channel_;
  QObject* waker_;
};

}  // namespace quorvan::ui
