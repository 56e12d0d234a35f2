#include "core/duplicate_table.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

namespace quorvan {
namespace {

// "aco56PH" has the CRC-32 0; "k{Fjd" has the CRC-32 of "abc".
constexpr TextView kZeroHashText = "aco56PH";
constexpr TextView kSameHashAsAbc = "k{Fjd";

TEST(Crc32, StandardValuesAndBuckets) {
  struct Case {
    TextView text;
    uint32_t crc;
    int32_t bucket;
  };
  const Case cases[] = {
      {"123456789", 0xCBF43926u, 0x3926},
      {"abc", 0x352441C2u, 0x41C2},
      {"66143", 0x1C500000u, 0x1C50},  // low half 0: the high half chooses
      {kSameHashAsAbc, 0x352441C2u, 0x41C2},
      {kZeroHashText, 0u, 65536},
      {"", 0u, 65536},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(crc32(c.text), c.crc);
    EXPECT_EQ(bucketOf(c.crc), c.bucket);
  }
  EXPECT_EQ(bucketOf(0x00010000u), 1);
  EXPECT_EQ(bucketOf(0xFFFF0000u), 65535);
  EXPECT_EQ(bucketOf(0x0000FFFFu), 65535);
}

struct Marked {
  int32_t distinct;
  std::vector<int> marks;
};

Marked mark(DuplicateTable& table, const std::vector<TextView>& texts) {
  std::vector<uint8_t> marks(texts.size(), 0);
  std::atomic<int32_t> progress{-1};
  int32_t distinct = markDuplicates(table, texts, marks, progress);
  EXPECT_EQ(progress.load(), texts.empty() ? -1 : 100);
  return {distinct, std::vector<int>(marks.begin(), marks.end())};
}

TEST(MarkDuplicates, MarksLaterOccurrencesOnly) {
  struct Case {
    std::vector<TextView> texts;
    int32_t distinct;
    std::vector<int> marks;
  };
  const Case cases[] = {
      {{"a", "b", "a", "c", "b"}, 3, {0, 0, 1, 0, 1}},
      {{"A", "a", "a ", "a", "A"}, 3, {0, 0, 0, 1, 1}},
      {{}, 0, {}},
      {{"", "x", "", "x", ""}, 1, {0, 0, 0, 1, 0}},  // empty texts: never marked or counted
      {{kZeroHashText, "z", kZeroHashText}, 2, {0, 0, 1}},
      // Equal hashes, different texts: only the texts decide.
      {{"abc", kSameHashAsAbc, "abc", kSameHashAsAbc}, 2, {0, 0, 1, 1}},
  };
  DuplicateTable table;  // one table for every case: each run starts afresh
  for (const auto& c : cases) {
    Marked m = mark(table, c.texts);
    EXPECT_EQ(m.distinct, c.distinct);
    EXPECT_EQ(m.marks, c.marks);
  }
}

// Distinct texts that all fall into bucketOf(crc32("abc")).
std::vector<std::string> textsInBucketOfAbc(size_t wanted) {
  const int32_t bucket = bucketOf(crc32("abc"));
  std::vector<std::string> found;
  char digits[16];
  for (uint32_t i = 0; found.size() < wanted; ++i) {
    auto end = std::to_chars(digits, digits + sizeof digits, i).ptr;
    TextView text(digits, size_t(end - digits));
    if (bucketOf(crc32(text)) == bucket) found.emplace_back(text);
  }
  return found;
}

TEST(MarkDuplicates, BucketsGrowByFiftyAndKeepTheirRoom) {
  const int32_t bucket = bucketOf(crc32("abc"));
  const std::vector<std::string> shared = textsInBucketOfAbc(121);
  DuplicateTable table;
  initDuplicateTable(table);
  EXPECT_EQ(table.capacity(bucket), 20);

  // Every text twice: the repeats come after all first occurrences, in reverse order.
  std::vector<TextView> texts(shared.begin(), shared.end());
  texts.insert(texts.end(), shared.rbegin(), shared.rend());
  Marked m = mark(table, texts);
  EXPECT_EQ(m.distinct, 121);
  std::vector<int> expected(121, 0);
  expected.resize(242, 1);
  EXPECT_EQ(m.marks, expected);
  EXPECT_EQ(table.count(bucket), 121);
  EXPECT_EQ(table.capacity(bucket), 170);  // 20, 70, 120, 170

  // A smaller run empties the bucket but keeps its room.
  m = mark(table, {"abc", "abc"});
  EXPECT_EQ(m.marks, (std::vector<int>{0, 1}));
  EXPECT_EQ(table.count(bucket), 1);
  EXPECT_EQ(table.capacity(bucket), 170);
}

TEST(MarkDuplicates, BuildsTheTableOnFirstUse) {
  DuplicateTable table;
  EXPECT_FALSE(table.built());
  Marked m = mark(table, {"x", "x"});
  EXPECT_TRUE(table.built());
  EXPECT_EQ(m.marks, (std::vector<int>{0, 1}));
  EXPECT_EQ(table.capacity(65536), 20);
}

}  // namespace
}  // namespace quorvan
