#include "core/shell_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace quorvan {
namespace {

struct Element {
  int key = 0;
  int id = 0;  // 0 for A, 1 for B ...
};

// A callback over a list of keyed elements that records every call as text.
struct KeySorter {
  std::vector<Element> elements;  // positions 1 ... n at elements[0 ... n-1]
  Element pivot;
  std::vector<std::string> calls;
  bool record = true;

  int32_t operator()(SortRequest request, int32_t index, int32_t source) {
    Element& at = elements[size_t(index) - 1];
    switch (request) {
      case SortRequest::SaveToPivot:
        note("save " + std::to_string(index));
        pivot = at;
        return 0;
      case SortRequest::MoveElement:
        note("move " + std::to_string(source) + ">" + std::to_string(index));
        at = elements[size_t(source) - 1];
        return 0;
      case SortRequest::StorePivot:
        note("store " + std::to_string(index));
        at = pivot;
        return 0;
      case SortRequest::ComparePivot:
        note("compare " + std::to_string(index));
        return pivot.key > at.key ? 1 : pivot.key < at.key ? -1 : 0;
    }
    return 0;
  }
  void note(std::string call) {
    if (record) calls.push_back(std::move(call));
  }
  std::string names() const {
    std::string s;
    for (const auto& e : elements) s += char('A' + e.id);
    return s;
  }
};

KeySorter sorterOf(const std::vector<int>& keys) {
  KeySorter sorter;
  for (size_t i = 0; i < keys.size(); ++i) sorter.elements.push_back({keys[i], int(i)});
  return sorter;
}

TEST(ShellSort, TwoElementsMakeExactlyFourCalls) {
  KeySorter sorter = sorterOf({2, 1});
  shellSort(2, std::ref(sorter), false);
  EXPECT_EQ(sorter.calls, (std::vector<std::string>{"save 2", "compare 1", "move 1>2", "store 1"}));
  EXPECT_EQ(sorter.names(), "BA");
}

TEST(ShellSort, IsNotStable) {
  KeySorter sorter = sorterOf({0, 1, 0, 0});
  shellSort(4, std::ref(sorter), false);
  EXPECT_EQ(sorter.names(), "ADCB");
}

TEST(ShellSort, GapsHalveFromHalfTheCount) {
  // An ordered list costs save, compare, store for every i of every pass, so the number of
  // calls shows the gap sequence: 3 x the sum of (count - gap) over gaps count/2, count/4 ... 1.
  for (int32_t count : {0, 1, 2, 3, 8, 9, 100}) {
    std::vector<int> keys(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) keys[size_t(i)] = i;
    KeySorter sorter = sorterOf(keys);
    shellSort(count, std::ref(sorter), false);
    size_t expected = 0;
    for (int32_t gap = count / 2; gap >= 1; gap /= 2) expected += 3 * size_t(count - gap);
    EXPECT_EQ(sorter.calls.size(), expected) << count;
  }
}

TEST(ShellSort, SortsBothWaysAndKeepsEveryElement) {
  std::mt19937 random(7);
  for (int32_t count : {3, 7, 64, 1000}) {
    std::vector<int> keys(static_cast<size_t>(count));
    for (int& key : keys) key = int(random() % 20);
    for (bool descending : {false, true}) {
      KeySorter sorter = sorterOf(keys);
      sorter.record = false;
      shellSort(count, std::ref(sorter), descending);
      std::vector<int> sortedKeys;
      for (const auto& e : sorter.elements) sortedKeys.push_back(e.key);
      std::vector<int> expected = keys;
      if (descending)
        std::sort(expected.begin(), expected.end(), std::greater<>());
      else
        std::sort(expected.begin(), expected.end());
      EXPECT_EQ(sortedKeys, expected) << count << (descending ? " descending" : " ascending");
      std::vector<int> ids;
      for (const auto& e : sorter.elements) ids.push_back(e.id);
      std::sort(ids.begin(), ids.end());
      for (int32_t i = 0; i < count; ++i)
        ASSERT_EQ(ids[size_t(i)], i) << "an element was lost or doubled";
    }
  }
}

TEST(ShellSort, PlainCallbackGetsTheContextUnchanged) {
  struct Seen {
    std::vector<intptr_t> contexts;
    std::vector<int32_t> requests;
  };
  static Seen seen;
  seen = {};
  auto callback = [](SortRequest request, int32_t, int32_t, intptr_t context) -> int32_t {
    seen.contexts.push_back(context);
    seen.requests.push_back(int32_t(request));
    return request == SortRequest::ComparePivot ? 1 : 0;  // pivot always greater: nothing moves
  };
  shellSort(2, callback, intptr_t(42), false);
  EXPECT_EQ(seen.requests, (std::vector<int32_t>{1, 3, 2}));  // save, compare, store
  EXPECT_EQ(seen.contexts, (std::vector<intptr_t>{42, 42, 42}));
  // Descending moves on a greater pivot.
  seen = {};
  shellSort(2, callback, intptr_t(0), true);
  EXPECT_EQ(seen.requests, (std::vector<int32_t>{1, 3, 0, 2}));
}

}  // namespace
}  // namespace quorvan
