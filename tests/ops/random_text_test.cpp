#include "ops/random_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "core/random.h"
#include "platform/clock.h"

namespace quorvan::testing {
namespace {

bool isLower(TextView c) { return c.size() == 1 && c[0] >= 'a' && c[0] <= 'z'; }
bool isUpper(TextView c) { return c.size() == 1 && c[0] >= 'A' && c[0] <= 'Z'; }
bool inChineseRange(unsigned char b) { return b >= 0xB0 && b <= 0xDA; }

// Cuts a generated text into its characters (two bytes at a lead byte).
std::vector<TextView> charactersOf(TextView text) {
  std::vector<TextView> characters;
  for (size_t pos = 0; pos < text.size();) {
    size_t n = characterLength(text, pos);
    characters.push_back(text.substr(pos, n));
    pos += n;
  }
  return characters;
}

struct GeneratorCase {
  const char* name;
  std::function<Text(int32_t)> generate;
  std::function<bool(TextView)> inSet;
  size_t setSize;  // distinct characters the set holds
};

const std::vector<GeneratorCase>& generatorCases() {
  static const std::set<TextView> symbols(randomSymbolEntries().begin(),
                                          randomSymbolEntries().end());
  static const std::vector<GeneratorCase> cases = {
      {"digits", randomDigits,
       [](TextView c) { return c.size() == 1 && c[0] >= '1' && c[0] <= '9'; }, 9},
      {"lower letters", randomLowerLetters, isLower, 26},
      {"upper letters", randomUpperLetters, isUpper, 26},
      {"letters", randomLetters, [](TextView c) { return isLower(c) || isUpper(c); }, 52},
      {"symbols", randomSymbols, [](TextView c) { return symbols.contains(c); }, 101},
      {"chinese", randomChineseChars,
       [](TextView c) {
         return c.size() == 2 && inChineseRange(static_cast<unsigned char>(c[0])) &&
                inChineseRange(static_cast<unsigned char>(c[1]));
       },
       43 * 43},
  };
  return cases;
}

TEST(RandomText, EachGeneratorDrawsTheCountFromItsWholeSet) {
  for (const auto& c : generatorCases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.generate(0), "");
    EXPECT_EQ(c.generate(-3), "");
    const Text few = c.generate(7);
    EXPECT_EQ(charactersOf(few).size(), 7u);
    // Enough draws to meet every character of the small sets.
    const Text many = c.generate(4000);
    const auto characters = charactersOf(many);
    ASSERT_EQ(characters.size(), 4000u);
    std::set<TextView> seen;
    for (TextView character : characters) {
      EXPECT_TRUE(c.inSet(character)) << "drew " << std::string(character);
      seen.insert(character);
    }
    if (c.setSize <= 101) {
      EXPECT_EQ(seen.size(), c.setSize);
    }
  }
}

TEST(RandomText, SymbolListHoldsItsEntriesAsGbk) {
  auto entries = randomSymbolEntries();
  ASSERT_EQ(entries.size(), 106u);
  std::vector<TextView> sorted(entries.begin(), entries.end());
  std::sort(sorted.begin(), sorted.end());
  std::vector<TextView> twice;
  for (size_t i = 1; i < sorted.size(); ++i) {
    if (sorted[i] == sorted[i - 1]) twice.push_back(sorted[i]);
  }
  // "`", "ㄚ", "ㄞ", "ㄢ", "ㄦ" occur twice, in byte order.
  EXPECT_EQ(twice, (std::vector<TextView>{"`", "\xA8\xDA", "\xA8\xDE", "\xA8\xE2", "\xA8\xE6"}));
  EXPECT_EQ(entries.front(), "{");
  EXPECT_EQ(entries[3], "\\");
  EXPECT_EQ(entries[17], "\xA1\xB6");     // 《
  EXPECT_EQ(entries[58], "\xA2\xD9");     // ①
  EXPECT_EQ(entries.back(), "\xA1\xCC");  // √
  for (TextView entry : entries) {
    EXPECT_TRUE(entry.size() == 1 ||
                (entry.size() == 2 && isLeadByte(static_cast<unsigned char>(entry[0]))))
        << std::string(entry);
  }
}

TEST(RandomText, EveryCallSeedsAfresh) {
  for (const auto& c : generatorCases()) {
    SCOPED_TRACE(c.name);
    setRandomState(1);
    Text first = c.generate(24);
    setRandomState(1);
    EXPECT_NE(c.generate(24), first);
  }
}

TEST(RandomText, TwoSeedingsInTheSameMillisecondDiffer) {
  auto draws = [] {
    seedRandom();
    std::vector<int32_t> values;
    for (int n = 0; n < 8; ++n) values.push_back(nextRandom());
    return values;
  };
  bool sameMillisecond = false;
  for (int attempt = 0; attempt < 100 && !sameMillisecond; ++attempt) {
    uint32_t before = platform::tickMilliseconds();
    auto first = draws();
    auto second = draws();
    sameMillisecond = platform::tickMilliseconds() == before;
    EXPECT_NE(first, second);
  }
  EXPECT_TRUE(sameMillisecond);
}

}  // namespace
}  // namespace quorvan::testing
