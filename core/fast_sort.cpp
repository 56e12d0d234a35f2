#include "core/fast_sort.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <thread>

#include "core/compare_text.h"
#include "platform/memory.h"

namespace quorvan {
namespace {

// Below this many entries a second thread costs more than it saves.
constexpr size_t kParallelFrom = size_t(1) << 16;

// The first sixteen bytes as two big-endian integers, zero-padded, and the length: comparing
// these orders texts as compareText does. Two texts of at most sixteen bytes with equal words
// differ only in length (the padding reads as bytes 0), so only longer texts with equal first
// bytes are ever compared byte by byte.
struct TextKey {
  uint64_t first = 0;
  uint64_t second = 0;
  uint32_t size = 0;
};

uint64_t bigEndianWord(const char* bytes, size_t count) {
  uint64_t word = 0;
  if (count > 0) std::memcpy(&word, bytes, count);  // an empty text may have no bytes at all
  return __builtin_bswap64(word);
}

TextKey keyOf(TextView text) {
  const size_t size = text.size();
  TextKey key;
  key.first = bigEndianWord(text.data(), std::min<size_t>(8, size));
  if (size > 8) key.second = bigEndianWord(text.data() + 8, std::min<size_t>(8, size - 8));
  key.size = uint32_t(std::min<size_t>(size, UINT32_MAX));
  return key;
}

template <class Key>
struct Entry {
  Key key;
  uint32_t position;
};

// Sorts the entries: both halves at once on two threads, then one merge.
template <class Entry, class Less>
void sortEntries(std::vector<Entry>& entries, Less less) {
  if (entries.size() < kParallelFrom) {
    std::sort(entries.begin(), entries.end(), less);
    return;
  }
  const auto middle = entries.begin() + std::ptrdiff_t(entries.size() / 2);
  std::thread first([&] { std::sort(entries.begin(), middle, less); });
  std::sort(middle, entries.end(), less);
  first.join();
  std::inplace_merge(entries.begin(), middle, entries.end(), less);
}

template <class Entry>
std::vector<uint32_t> positionsOf(const std::vector<Entry>& entries) {
  std::vector<uint32_t> order;
  order.reserve(entries.size());
  platform::adviseHugePages(order.data(), entries.size() * sizeof(uint32_t));
  for (const Entry& entry : entries) order.push_back(entry.position);
  return order;
}

template <class Entry>
std::vector<Entry> entriesFor(size_t n) {
  // Advised before the first touch: the advice counts only for untouched pages.
  std::vector<Entry> entries;
  entries.reserve(n);
  platform::adviseHugePages(entries.data(), n * sizeof(Entry));
  entries.resize(n);
  return entries;
}

}  // namespace

std::vector<uint32_t> orderByText(std::span<const TextView> keys) {
  auto entries = entriesFor<Entry<TextKey>>(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) entries[i] = {keyOf(keys[i]), uint32_t(i)};
  sortEntries(entries, [keys](const Entry<TextKey>& a, const Entry<TextKey>& b) {
    if (a.key.first != b.key.first) return a.key.first < b.key.first;
    if (a.key.second != b.key.second) return a.key.second < b.key.second;
    if (a.key.size <= 16 && b.key.size <= 16) return a.key.size < b.key.size;
    return compareText(keys[a.position], keys[b.position]) < 0;
  });
  return positionsOf(entries);
}

std::vector<uint32_t> orderByNumber(std::span<const double> keys) {
  auto entries = entriesFor<Entry<double>>(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) entries[i] = {keys[i], uint32_t(i)};
  sortEntries(entries,
              [](const Entry<double>& a, const Entry<double>& b) { return a.key < b.key; });
  return positionsOf(entries);
}

bool noEqualNeighbours(std::span<const TextView> keys, std::span<const uint32_t> order) {
  for (size_t i = 1; i < order.size(); ++i) {
    if (compareText(keys[order[i - 1]], keys[order[i]]) == 0) return false;
  }
  return true;
}

void applyOrder(std::span<TextView> texts, std::span<const uint32_t> order) {
  std::vector<TextView> ordered;
  ordered.reserve(texts.size());
  platform::adviseHugePages(ordered.data(), texts.size() * sizeof(TextView));
  for (size_t i = 0; i < texts.size(); ++i) ordered.push_back(texts[order[i]]);
  std::copy(ordered.begin(), ordered.end(), texts.begin());
}

void sortTexts(std::span<TextView> texts, bool descending, std::atomic<int32_t>& progress,
               int32_t from, int32_t to) {
  progress.store(from, std::memory_order_relaxed);
  std::vector<uint32_t> order = orderByText(texts);
  progress.store(from + (to - from) * 8 / 10, std::memory_order_relaxed);
  // Equal lines are the same bytes, so the exact reverse is the descending order.
  if (descending) std::reverse(order.begin(), order.end());
  applyOrder(texts, order);
  progress.store(to, std::memory_order_relaxed);
}

}  // namespace quorvan
