#include "cli/console.h"

#include <algorithm>
#include <chrono>

namespace quorvan::cli {
namespace {

constexpr int kBarWidth = 30;
constexpr auto kTickInterval = std::chrono::milliseconds(100);

}  // namespace

Console::~Console() { endPhase(); }

void Console::information(std::string_view utf8) {
  if (!quiet_) printLine(utf8);
}

void Console::error(std::string_view utf8) { printLine(utf8); }

void Console::printLine(std::string_view utf8) {
  std::lock_guard lock(mutex_);
  eraseLocked();
  stream_.write(utf8);
  stream_.write("\n");
  stream_.flush();
  lastDrawn_ = -1;  // the bar is drawn again at the next tick
}

void Console::beginPhase(std::string_view label, const std::atomic<int32_t>& percent) {
  if (!progressShown_) return;
  endPhase();
  {
    std::lock_guard lock(mutex_);
    label_ = label;
    percent_ = &percent;
    stopping_ = false;
    drawLocked(percent.load(std::memory_order_relaxed));
  }
  ticker_ = std::thread([this] { tick(); });
}

void Console::endPhase() {
  if (!ticker_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  ticker_.join();
  std::lock_guard lock(mutex_);
  drawLocked(percent_->load(std::memory_order_relaxed));
  eraseLocked();
  percent_ = nullptr;
}

void Console::tick() {
  std::unique_lock lock(mutex_);
  while (!wake_.wait_for(lock, kTickInterval, [this] { return stopping_; })) {
    int32_t percent = percent_->load(std::memory_order_relaxed);
    if (percent != lastDrawn_) drawLocked(percent);
  }
}

void Console::drawLocked(int32_t percent) {
  // A value above 100 shows as a full bar, as in the window.
  const int32_t shown = std::clamp(percent, 0, 100);
  const int filled = shown * kBarWidth / 100;
  std::string line = "\r\x1b[K";
  line += label_;
  line += " [";
  line.append(size_t(filled), '#');
  line.append(size_t(kBarWidth - filled), '.');
  line += "] ";
  line += std::to_string(shown);
  line += "%";
  stream_.write(line);
  stream_.flush();
  barDrawn_ = true;
  lastDrawn_ = percent;
}

void Console::eraseLocked() {
  if (!barDrawn_) return;
  stream_.write("\r\x1b[K");
  stream_.flush();
  barDrawn_ = false;
}

}  // namespace quorvan::cli
