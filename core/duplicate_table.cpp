#include "core/duplicate_table.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/compare_text.h"
#include "core/numbers.h"

namespace quorvan {
namespace {

// Entry k is k shifted right eight times, XOR-ed with the polynomial whenever a 1 is shifted
// out. Computed at compile time, so there is nothing to build at run time.
constexpr std::array<uint32_t, 256> makeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t k = 0; k < 256; ++k) {
    uint32_t value = k;
    for (int bit = 0; bit < 8; ++bit) value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
    table[k] = value;
  }
  return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = makeCrcTable();

}  // namespace

uint32_t crc32(TextView text) {
  uint32_t value = 0xFFFFFFFFu;
  for (char c : text)
    value = (value >> 8) ^ kCrcTable[(value ^ static_cast<unsigned char>(c)) & 0xFF];
  return ~value;
}

int32_t bucketOf(uint32_t hash) {
  if (hash == 0) return DuplicateTable::kBuckets;
  uint32_t low = hash & 0xFFFFu;
  return int32_t(low != 0 ? low : hash >> 16);
}

void DuplicateTable::build() {
  if (built()) return;
  constexpr size_t first = size_t(kBuckets) * kFirstCapacity;
  // Allocate everything before keeping any of it, so a failure leaves the table unbuilt.
  auto buckets = std::make_unique<Bucket[]>(kBuckets);
  auto hashes = std::make_unique_for_overwrite<uint32_t[]>(first);
  auto lines = std::make_unique_for_overwrite<int32_t[]>(first);
  auto grown = std::make_unique<GrownStorage[]>(kBuckets);
  firstHashes_ = std::move(hashes);
  firstLines_ = std::move(lines);
  grown_ = std::move(grown);
  buckets_ = std::move(buckets);
}

void DuplicateTable::clearCounts() {
  if (!built()) return;
  for (int32_t b = 0; b < kBuckets; ++b) buckets_[size_t(b)].count = 0;
}

int32_t DuplicateTable::capacity(int32_t bucket) const {
  if (!built()) return 0;
  const int32_t room = buckets_[size_t(bucket) - 1].capacity;
  return room ? room : kFirstCapacity;
}

int32_t DuplicateTable::find(std::span<const TextView> texts, TextView text, uint32_t hash) const {
  const size_t b = size_t(bucketOf(hash)) - 1;
  const int32_t used = buckets_[b].count;
  if (used == 0) return 0;
  const uint32_t* hashes = hashesOf(b);
  const int32_t* lines = linesOf(b);
  // Texts are compared only when the full hashes agree, entries in increasing order.
  auto lookIn = [&](int32_t first, int32_t last) {
    for (int32_t k = first; k < last; ++k) {
      if (hashes[k] == hash && compareText(text, texts[size_t(lines[k]) - 1]) == 0) return lines[k];
    }
    return 0;
  };
  // Whole blocks of hashes are first tested four at a time with vector compares and no branch
  // per entry; only a block holding the hash is looked into.
  using Four = uint32_t __attribute__((vector_size(16)));
  constexpr int32_t kBlock = 16;
  const Four wanted = {hash, hash, hash, hash};
  int32_t first = 0;
  for (; first + kBlock <= used; first += kBlock) {
    Four block[4];
    std::memcpy(block, hashes + first, sizeof block);
    const Four seen =
        (block[0] == wanted) | (block[1] == wanted) | (block[2] == wanted) | (block[3] == wanted);
    if ((seen[0] | seen[1] | seen[2] | seen[3]) == 0) continue;
    if (int32_t found = lookIn(first, first + kBlock)) return found;
  }
  if (int32_t found = lookIn(first, used)) return found;
  return 0;
}

void DuplicateTable::enter(uint32_t hash, int32_t position) {
  const size_t b = size_t(bucketOf(hash)) - 1;
  Bucket& bucket = buckets_[b];
  const int32_t used = bucket.count;
  if (used == capacity(int32_t(b) + 1)) {
    const int32_t room = used + kGrowthStep;
    GrownStorage bigger{std::make_unique<uint32_t[]>(size_t(room)),
                        std::make_unique<int32_t[]>(size_t(room))};
    std::copy_n(hashesOf(b), used, bigger.hashes.get());
    std::copy_n(linesOf(b), used, bigger.lines.get());
    grown_[b] = std::move(bigger);
    bucket.hashes = grown_[b].hashes.get();
    bucket.lines = grown_[b].lines.get();
    bucket.capacity = room;
  }
  hashesOf(b)[used] = hash;
  linesOf(b)[used] = position;
  bucket.count = used + 1;
}

void initDuplicateTable(DuplicateTable& table) { table.build(); }

int32_t markDuplicates(DuplicateTable& table, std::span<const TextView> texts,
                       std::span<uint8_t> marks, std::atomic<int32_t>& progressPercent) {
  table.build();
  table.clearCounts();
  const int32_t n = int32_t(texts.size());
  int32_t distinct = 0;
  for (int32_t j = 1; j <= n; ++j) {
    progressPercent.store(progressOf(j, n), std::memory_order_relaxed);
    const TextView text = texts[size_t(j) - 1];
    // An empty text is nobody's duplicate and is not entered.
    if (text.empty()) continue;
    const uint32_t hash = crc32(text);
    if (table.find(texts, text, hash) != 0) {
      marks[size_t(j) - 1] = 1;
      continue;
    }
    table.enter(hash, j);
    ++distinct;
  }
  return distinct;
}

}  // namespace quorvan
