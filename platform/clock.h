#pragma once
// The clock: local date and time, and a monotonic millisecond counter.
#include <cstdint>

namespace quorvan::platform {

struct LocalTime {
  int year = 0;
  int month = 0;  // 1 ... 12
  int day = 0;    // 1 ... 31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

LocalTime currentTime();

// Milliseconds since an arbitrary fixed point (the system's start), wrapping at 2^32.
uint32_t tickMilliseconds();

}  // namespace quorvan::platform
