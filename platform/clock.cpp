#include "platform/clock.h"

#include <chrono>
#include <ctime>

namespace quorvan::platform {

LocalTime currentTime() {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
          parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

uint32_t tickMilliseconds() {
  auto since = std::chrono::steady_clock::now().time_since_epoch();
  return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

}  // namespace quorvan::platform
