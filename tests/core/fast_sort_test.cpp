#include "core/fast_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace quorvan {
namespace {

// Texts built to meet every branch of the key comparison: shared first 8 or 16 bytes, lengths
// around 8 and 16, bytes above 0x7F, prefixes of each other, and repeats.
std::vector<std::string> trickyTexts(size_t count, unsigned seed) {
  std::mt19937 random(seed);
  const std::string stems[] = {"",
                               "1380013",
                               "13800138",
                               "138001380013800",
                               "1380013800138000",
                               "\xD6\xD0\xB9\xFA\xD6\xD0\xB9\xFA"};
  std::vector<std::string> texts;
  for (size_t i = 0; i < count; ++i) {
    std::string text = stems[random() % std::size(stems)];
    const size_t tail = random() % 4;
    for (size_t k = 0; k < tail; ++k) text += char("09az\x7F\x80\xFE"[random() % 7]);
    texts.push_back(text);
  }
  return texts;
}

TEST(FastSort, OrdersTextsByTheirBytesOnOneAndTwoThreads) {
  for (size_t count : {size_t(0), size_t(1), size_t(500), size_t(70000)}) {
    const std::vector<std::string> texts = trickyTexts(count, unsigned(count));
    std::vector<TextView> views(texts.begin(), texts.end());
    const std::vector<uint32_t> order = orderByText(views);
    ASSERT_EQ(order.size(), count);
    std::vector<std::string> sorted;
    for (uint32_t position : order) sorted.push_back(texts[position]);
    std::vector<std::string> expected = texts;
    std::sort(expected.begin(), expected.end());  // unsigned byte order, shorter first
    EXPECT_EQ(sorted, expected) << count;
    std::vector<uint32_t> positions(order.begin(), order.end());
    std::sort(positions.begin(), positions.end());
    for (size_t i = 0; i < positions.size(); ++i) ASSERT_EQ(positions[i], i);
  }
}

TEST(FastSort, SortTextsGoesEitherWayAndEndsTheProgressAtItsMark) {
  const std::vector<std::string> texts = trickyTexts(70000, 5);
  std::vector<std::string> expected = texts;
  std::sort(expected.begin(), expected.end());
  for (bool descending : {false, true}) {
    std::vector<TextView> views(texts.begin(), texts.end());
    std::atomic<int32_t> progress{0};
    sortTexts(views, descending, progress, 30, 35);
    EXPECT_EQ(progress.load(), 35);
    std::vector<std::string> sorted(views.begin(), views.end());
    if (descending) std::reverse(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, expected) << descending;
  }
}

TEST(FastSort, NumbersByValueAndEqualNeighboursFound) {
  const std::vector<double> numbers = {3.5, -1, 0, 1e300, -2.25, 7};
  const std::vector<uint32_t> order = orderByNumber(numbers);
  EXPECT_EQ(order, (std::vector<uint32_t>{4, 1, 2, 0, 5, 3}));

  const std::vector<std::string> keys = {"b", "a", "c", "a"};
  std::vector<TextView> views(keys.begin(), keys.end());
  EXPECT_FALSE(noEqualNeighbours(views, orderByText(views)));
  views.pop_back();
  EXPECT_TRUE(noEqualNeighbours(views, orderByText(views)));
}

}  // namespace
}  // namespace quorvan
