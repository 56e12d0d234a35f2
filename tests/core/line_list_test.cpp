#include "core/line_list.h"

#include <gtest/gtest.h>

#include "tests/support/files.h"

namespace quorvan {
namespace {

using testing::linesOf;
using testing::makeLines;

TEST(LineList, AddressesLinesFromOne) {
  LineList list = makeLines({"a", "", "c"});
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(list.at(1), "a");
  EXPECT_EQ(list.at(2), "");
  EXPECT_EQ(list.at(3), "c");
  list.truncate(1);
  EXPECT_EQ(linesOf(list), std::vector<std::string>{"a"});
  list.clear();
  EXPECT_TRUE(list.empty());
}

TEST(LineList, SharedLinesOutliveTheListTheyCameFrom) {
  LineList kept;
  {
    LineList source = makeLines({std::string(3000, 'x'), "short"});
    kept.appendFrom(source, 2);
    kept.appendAll(source);
    EXPECT_EQ(kept.at(1).data(), source.at(2).data());  // the same bytes, not a copy
  }
  EXPECT_EQ(linesOf(kept), (std::vector<std::string>{"short", std::string(3000, 'x'), "short"}));
}

TEST(LineList, SharingFollowsArenasAddedLater) {
  LineList source = makeLines({"one"});
  LineList target;
  target.appendFrom(source, 1);
  LineList other = makeLines({"two"});
  source.appendAll(other);  // source now also refers to other's arena
  target.appendFrom(source, 2);
  other.clear();
  source.clear();
  EXPECT_EQ(linesOf(target), (std::vector<std::string>{"one", "two"}));
}

TEST(LineList, ReplaceAndExchangeMoveHandlesOnly) {
  LineList list = makeLines({"a", "b", "c"});
  const char* b = list.at(2).data();
  list.exchange(1, 2);
  EXPECT_EQ(list.at(1).data(), b);
  TextView slot;
  list.exchangeWith(3, slot);
  EXPECT_EQ(slot, "c");
  EXPECT_EQ(list.at(3), "");
  list.exchangeWith(3, slot);
  EXPECT_EQ(slot, "");
  list.replace(3, "new");
  EXPECT_EQ(linesOf(list), (std::vector<std::string>{"b", "a", "new"}));
}

TEST(LineList, StoresLinesLongerThanAnArenaChunk) {
  std::string big(3 << 20, 'q');
  LineList list = makeLines({"a", big, "b"});
  EXPECT_EQ(list.at(2), big);
  EXPECT_EQ(list.at(3), "b");
}

TEST(LineList, CompactionDropsTheTextsOfRewrittenLines) {
  LineList list;
  for (int i = 0; i < 40; ++i) list.append(std::string(1 << 20, 'a'));
  for (int round = 0; round < 3; ++round) {
    for (int32_t i = 1; i <= list.count(); ++i) list.replace(i, std::string(1 << 20, char('b' + round)));
  }
  EXPECT_GT(list.arenaBytes(), size_t(150) << 20);
  list.compactIfWasteful();
  EXPECT_LE(list.arenaBytes(), size_t(41) << 20);
  EXPECT_EQ(list.at(40), std::string(1 << 20, 'd'));
}

}  // namespace
}  // namespace quorvan
