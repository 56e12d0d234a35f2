#pragma once
// DuplicateTable: the CRC-32 bucket table behind duplicate removal.
//
// 65536 buckets chosen by 16 bits of a text's CRC-32. Each bucket holds, for every distinct
// text entered in the current run, its full CRC-32 and its 1-based position in the examined
// list, so texts are compared byte by byte only when their hashes are equal. The storage is
// allocated once (20 entries per bucket, in one block), grows by 50 entries per bucket when a
// bucket fills up, and is never shrunk, so later runs allocate nothing that earlier runs
// already made room for. One instance lives in EngineState; only the running job uses it.
#include <atomic>
#include <cstdint>
#include <memory>
#include <span>

#include "core/text.h"

namespace quorvan {

// CRC-32 of IEEE 802.3 (reflected polynomial 0xEDB88320, start and final inversion).
uint32_t crc32(TextView text);

// The bucket (1 ... 65536) of a text whose CRC-32 is `hash`: the low 16 bits of the hash, or
// its high 16 bits when the low ones are 0. A hash of 0 has bucket 65536, which no other hash
// uses.
int32_t bucketOf(uint32_t hash);

class DuplicateTable {
 public:
  static constexpr int32_t kBuckets = 65536;
  static constexpr int32_t kFirstCapacity = 20;
  static constexpr int32_t kGrowthStep = 50;

  DuplicateTable() = default;
  DuplicateTable(const DuplicateTable&) = delete;
  DuplicateTable& operator=(const DuplicateTable&) = delete;

  // Gives every bucket its first arrays (no entry in use). Does nothing when the table is
  // already built. May throw std::bad_alloc; the table is then left unbuilt.
  void build();
  bool built() const { return buckets_ != nullptr; }

  // Empties every bucket; the arrays keep their capacity.
  void clearCounts();

  // Entries in use and room of bucket `bucket` (1 ... 65536); 0 before the table is built.
  int32_t count(int32_t bucket) const { return built() ? buckets_[size_t(bucket) - 1].count : 0; }
  int32_t capacity(int32_t bucket) const;

  // The two below need a built table.
  // Position of the earlier text equal to `text` (whose hash is `hash`), looked up among the
  // entries of `texts`; 0 when there is none.
  int32_t find(std::span<const TextView> texts, TextView text, uint32_t hash) const;
  // Enters `position` with its hash, growing the bucket by kGrowthStep when it is full (on
  // std::bad_alloc the bucket is left as it was).
  void enter(uint32_t hash, int32_t position);

 private:
  // What a lookup reads of a bucket, in one place. Null arrays mean the bucket's share of the
  // first block.
  struct Bucket {
    uint32_t* hashes = nullptr;
    int32_t* lines = nullptr;
    int32_t count = 0;
    int32_t capacity = 0;  // 0 means kFirstCapacity
  };
  // Storage of a bucket that outgrew its first entries.
  struct GrownStorage {
    std::unique_ptr<uint32_t[]> hashes;
    std::unique_ptr<int32_t[]> lines;
  };

  uint32_t* hashesOf(size_t b) const {
    const Bucket& bucket = buckets_[b];
    return bucket.hashes ? bucket.hashes : firstHashes_.get() + b * kFirstCapacity;
  }
  int32_t* linesOf(size_t b) const {
    const Bucket& bucket = buckets_[b];
    return bucket.lines ? bucket.lines : firstLines_.get() + b * kFirstCapacity;
  }

  std::unique_ptr<Bucket[]> buckets_;
  // The first kFirstCapacity entries of every bucket, in one block. Entries beyond a
  // bucket's count are never read, so the block is not cleared: its pages cost nothing until
  // a run writes to them.
  std::unique_ptr<uint32_t[]> firstHashes_;
  std::unique_ptr<int32_t[]> firstLines_;
  std::unique_ptr<GrownStorage[]> grown_;
};

// Builds the table ahead of its first use (the window does it while it is created); the first
// markDuplicates builds it otherwise.
void initDuplicateTable(DuplicateTable& table);

// One pass over texts: marks[j] = 1 for every text equal to a non-empty text at an earlier
// position; empty texts are never marked, entered or counted. marks must have one entry per
// text, all 0. Returns the number of distinct non-empty texts. Sets progressPercent to
// j / N x 100 after line j. Empties the table first; may throw std::bad_alloc when a bucket
// cannot grow (the marks are then incomplete).
int32_t markDuplicates(DuplicateTable& table, std::span<const TextView> texts,
                       std::span<uint8_t> marks, std::atomic<int32_t>& progressPercent);

}  // namespace quorvan
