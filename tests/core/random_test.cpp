#include "core/random.h"

#include <gtest/gtest.h>

#include <thread>

namespace quorvan {
namespace {

TEST(Random, FollowsTheLinearCongruentialGenerator) {
  setRandomState(1);
  // state = 1 * 214013 + 2531011 = 2745024; draw = (2745024 >> 16) & 0x7FFF = 41.
  EXPECT_EQ(nextRandom(), 41);
  EXPECT_EQ(nextRandom(), 18467);
  EXPECT_EQ(nextRandom(), 6334);
}

TEST(Random, EveryNewThreadStartsAtStateOne) {
  int32_t first = -1;
  std::thread([&] { first = nextRandom(); }).join();
  EXPECT_EQ(first, 41);
}

TEST(RandomNumber, HonoursBoundsInEitherOrder) {
  setRandomState(7);
  EXPECT_EQ(randomNumber(5, 5), 5);
  for (int i = 0; i < 2000; ++i) {
    int32_t a = randomNumber(9, 1);
    EXPECT_GE(a, 1);
    EXPECT_LE(a, 9);
    int32_t b = randomNumber(-3, 2);
    EXPECT_GE(b, 0);
    EXPECT_LE(b, 2);
    EXPECT_LT(randomNumber(0, 2147483647), 32768);
  }
}

TEST(SeedRandom, TwoSeedingsInOneMillisecondDiffer) {
  seedRandom();
  int32_t a1 = nextRandom(), a2 = nextRandom();
  seedRandom();
  int32_t b1 = nextRandom(), b2 = nextRandom();
  EXPECT_TRUE(a1 != b1 || a2 != b2);
}

}  // namespace
}  // namespace quorvan
