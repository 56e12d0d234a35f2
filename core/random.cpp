#include "core/random.h"

#include <algorithm>
#include <atomic>

#include "platform/clock.h"

namespace quorvan {
namespace {

thread_local uint32_t generatorState = 1;

// Shared by every thread's seeding; only ever advanced.
std::atomic<uint32_t> seedCounter{0};

}  // namespace

void seedRandom() {
  uint32_t tick = platform::tickMilliseconds();
  uint32_t counter = seedCounter.load(std::memory_order_relaxed);
  uint32_t seed = 0;
  do {
    seed = tick + counter;
  } while (!seedCounter.compare_exchange_weak(counter, counter + (seed % 256) + 100,
                                              std::memory_order_relaxed));
  generatorState = seed;
}

void setRandomState(uint32_t state) { generatorState = state; }

int32_t nextRandom() {
  generatorState = generatorState * 214013u + 2531011u;
  return int32_t((generatorState >> 16) & 0x7FFF);
}

int32_t randomNumber(int32_t low, int32_t high) {
  low = std::max(low, 0);
  high = std::max(high, 0);
  int32_t lo = std::min(low, high);
  int32_t hi = std::max(low, high);
  if (lo == hi) return lo;
  int64_t span = int64_t(hi) - lo;
  int64_t modulus = span == 2147483647 ? span : span + 1;
  return int32_t(lo + nextRandom() % modulus);
}

}  // namespace quorvan
