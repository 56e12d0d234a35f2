#pragma once
// Console: the batch tool's standard error: messages one per line and a progress bar.
//
// The bar is drawn from a ticker thread that reads the running job's progress value, as the
// window's timer does, and only while a phase is open. Messages and the bar share the line
// through one lock: a message first erases the bar, which the next tick draws again.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "platform/standard_streams.h"

namespace quorvan::cli {

class Console {
 public:
  Console() = default;
  ~Console();
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // Information messages are left out when quiet; errors are always printed.
  void setQuiet(bool quiet) { quiet_ = quiet; }
  void setProgressShown(bool shown) { progressShown_ = shown; }
  bool quiet() const { return quiet_; }

  // One line (UTF-8) on standard error.
  void information(std::string_view utf8);
  void error(std::string_view utf8);

  // Shows a bar labelled `label` that follows `percent` until endPhase().
  void beginPhase(std::string_view label, const std::atomic<int32_t>& percent);
  void endPhase();

 private:
  void printLine(std::string_view utf8);
  void drawLocked(int32_t percent);
  void eraseLocked();
  void tick();

  bool quiet_ = false;
  bool progressShown_ = false;
  platform::StreamWriter stream_{platform::StandardStream::Error};
  std::mutex mutex_;
  std::condition_variable wake_;
  std::thread ticker_;
  bool stopping_ = false;
  bool barDrawn_ = false;
  int32_t lastDrawn_ = -1;
  std::string label_;
  const std::atomic<int32_t>* percent_ = nullptr;
};

}  // namespace quorvan::cli
