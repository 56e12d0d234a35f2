#pragma once
// The pseudo-random generator: one 32-bit state per thread, 1 in every new thread.
//
// state <- state x 214013 + 2531011 (mod 2^32); a draw is (state / 65536) mod 32768.
#include <cstdint>

namespace quorvan {

// Seeds the calling thread's generator from the millisecond clock plus a process-wide counter,
// so that two seedings within the same millisecond still differ.
void seedRandom();

// Sets the calling thread's generator state (tests and reproducible runs).
void setRandomState(uint32_t state);

// The next raw draw of the calling thread's generator, 0 ... 32767.
int32_t nextRandom();

// A draw in the closed range between low and high; negative bounds count as 0, the bounds may
// come in either order. A range wider than 32,768 values yields only its lowest 32,768.
int32_t randomNumber(int32_t low, int32_t high);

}  // namespace quorvan
