#pragma once
// LineList: an ordered list of lines addressed 1 ... count.
//
// A line is a handle (a TextView) onto bytes held in append-only arenas. A list owns, through
// shared references, every arena its handles point into, so lines can move between lists
// (kept and removed lines, sorted copies) as handles without copying a byte, and a list never
// points at freed bytes. Reordering exchanges handles. Texts that an operation changes are
// copied once into the list's own arena.
//
// A list is used by one thread at a time; several threads may read one list that no thread
// changes. The count is a 32-bit signed integer (at most kMaxLines lines).
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/text.h"

namespace quorvan {

// Append-only storage for text bytes; stored bytes never move and are freed with the arena.
class TextArena {
 public:
  TextArena() = default;
  TextArena(const TextArena&) = delete;
  TextArena& operator=(const TextArena&) = delete;

  TextView store(TextView bytes);
  // A block of `size` bytes that the caller fills; its bytes never move either.
  char* newBlock(size_t size);
  size_t bytesHeld() const { return held_; }

 private:
  std::vector<std::unique_ptr<char[]>> chunks_;
  char* cursor_ = nullptr;
  size_t left_ = 0;
  size_t held_ = 0;
};

class LineList {
 public:
  static constexpr int32_t kMaxLines = INT32_MAX;

  LineList() = default;
  LineList(const LineList&) = delete;
  LineList& operator=(const LineList&) = delete;
  LineList(LineList&&) noexcept = default;
  LineList& operator=(LineList&&) noexcept = default;

  int32_t count() const { return int32_t(lines_.size()); }
  bool empty() const { return lines_.empty(); }
  // Line at 1-based position; the view stays valid while this list (or a list that took the
  // line over) lives.
  TextView at(int32_t position) const { return lines_[size_t(position) - 1]; }

  auto begin() const { return lines_.begin(); }
  auto end() const { return lines_.end(); }
  // The handles in order. Whoever reorders through handles() must only permute them.
  std::span<TextView> handles() { return lines_; }
  std::span<const TextView> handles() const { return lines_; }

  // Adds a copy of the text's bytes as the last line.
  void append(TextView text);
  // Room for `size` bytes in the list's own arena, for the caller to fill (a whole file read
  // at once); lines inside it are then added with appendStored, without a copy.
  char* newBlock(size_t size) { return ownArena().newBlock(size); }
  // Adds a line whose bytes lie in a block from newBlock as the last line.
  void appendStored(TextView text) {
    makeRoom();
    lines_.push_back(text);
  }
  // Adds line `position` of `source` as the last line, sharing its bytes.
  void appendFrom(const LineList& source, int32_t position) {
    // Called once per line: the arenas are looked at only when the source changed.
    if (lastSource_ != &source || lastSourceGeneration_ != source.generation_)
      adoptStorageOf(source);
    makeRoom();
    lines_.push_back(source.at(position));
  }
  // Adds every line of source, sharing their bytes.
  void appendAll(const LineList& source);
  // Replaces line `position` with a copy of the text's bytes.
  void replace(int32_t position, TextView text);
  // Exchanges two lines.
  void exchange(int32_t a, int32_t b) { std::swap(lines_[size_t(a) - 1], lines_[size_t(b) - 1]); }
  // Exchanges line `position` with a handle held outside (a sort's pivot slot). The slot must
  // hold the empty text or a handle that came from this list.
  void exchangeWith(int32_t position, TextView& slot) {
    std::swap(lines_[size_t(position) - 1], slot);
  }

  // Room for `lines` lines without reallocating.
  void reserve(size_t lines);
  // Keeps, in order, the lines whose 0-based index `keep` accepts, and drops the others; the
  // handles close up in place, nothing is allocated.
  template <class Keep>
  void keepIf(Keep keep) {
    size_t kept = 0;
    for (size_t i = 0; i < lines_.size(); ++i) {
      if (keep(i)) lines_[kept++] = lines_[i];
    }
    lines_.resize(kept);
  }
  // Cuts the list to its first `n` lines.
  void truncate(int32_t n);
  void shrinkToFit() { lines_.shrink_to_fit(); }
  // Drops every line and every arena reference.
  void clear();

  // Bytes held by the arenas this list references (some may be shared with other lists).
  size_t arenaBytes() const;
  // When the arenas hold far more than the lines need (old texts of rewritten lines), copies
  // the lines into one fresh arena and lets the old ones go (unless another list shares them).
  void compactIfWasteful();

 private:
  void adoptStorageOf(const LineList& source);
  void makeRoom();
  TextArena& ownArena();

  std::vector<TextView> lines_;
  std::shared_ptr<TextArena> own_;
  std::vector<std::shared_ptr<TextArena>> shared_;
  uint64_t generation_ = 0;  // changes whenever the set of arenas changes
  const LineList* lastSource_ = nullptr;
  uint64_t lastSourceGeneration_ = 0;
};

}  // namespace quorvan
