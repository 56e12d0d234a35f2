#include "core/line_list.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/memory.h"

namespace quorvan {
namespace {

constexpr size_t kChunkBytes = size_t(1) << 20;
constexpr size_t kLargestChunkBytes = size_t(64) << 20;

uint64_t nextGeneration() {
  static std::atomic<uint64_t> counter{0};
  return counter.fetch_add(1, std::memory_order_relaxed) + 1;
}

}  // namespace

TextView TextArena::store(TextView bytes) {
  if (bytes.empty()) return {};
  if (bytes.size() > left_) {
    // Chunks grow with the arena, so that rewriting millions of lines takes few large blocks.
    size_t size = std::max(std::clamp(held_ / 4, kChunkBytes, kLargestChunkBytes), bytes.size());
    chunks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    platform::adviseHugePages(chunks_.back().get(), size);
    cursor_ = chunks_.back().get();
    left_ = size;
    held_ += size;
  }
  std::memcpy(cursor_, bytes.data(), bytes.size());
  TextView stored(cursor_, bytes.size());
  cursor_ += bytes.size();
  left_ -= bytes.size();
  return stored;
}

char* TextArena::newBlock(size_t size) {
  // Put before the current chunk so that store() keeps filling that one.
  chunks_.insert(chunks_.begin(), std::make_unique_for_overwrite<char[]>(size));
  platform::adviseHugePages(chunks_.front().get(), size);
  held_ += size;
  return chunks_.front().get();
}

TextArena& LineList::ownArena() {
  if (!own_) {
    own_ = std::make_shared<TextArena>();
    generation_ = nextGeneration();
  }
  return *own_;
}

void LineList::adoptStorageOf(const LineList& source) {
  if (&source == this) return;
  if (lastSource_ == &source && lastSourceGeneration_ == source.generation_) return;
  auto adopt = [this](const std::shared_ptr<TextArena>& arena) {
    if (!arena || arena == own_) return;
    if (std::find(shared_.begin(), shared_.end(), arena) != shared_.end()) return;
    shared_.push_back(arena);
    generation_ = nextGeneration();
  };
  adopt(source.own_);
  for (const auto& arena : source.shared_) adopt(arena);
  lastSource_ = &source;
  lastSourceGeneration_ = source.generation_;
}

void LineList::makeRoom() {
  // Grown here rather than by push_back, so that a large list gets huge pages.
  if (lines_.size() == lines_.capacity()) reserve(std::max<size_t>(1024, 2 * lines_.capacity()));
}

void LineList::append(TextView text) {
  makeRoom();
  lines_.push_back(text.empty() ? TextView() : ownArena().store(text));
}

void LineList::appendAll(const LineList& source) {
  adoptStorageOf(source);
  lines_.insert(lines_.end(), source.lines_.begin(), source.lines_.end());
}

void LineList::replace(int32_t position, TextView text) {
  lines_[size_t(position) - 1] = text.empty() ? TextView() : ownArena().store(text);
}

void LineList::reserve(size_t lines) {
  if (lines <= lines_.capacity()) return;
  // The advice counts only for pages not yet touched, so it comes before the handles move in.
  std::vector<TextView> bigger;
  bigger.reserve(lines);
  platform::adviseHugePages(bigger.data(), bigger.capacity() * sizeof(TextView));
  bigger.insert(bigger.end(), lines_.begin(), lines_.end());
  lines_.swap(bigger);
}

void LineList::truncate(int32_t n) {
  if (n < 0) n = 0;
  if (size_t(n) < lines_.size()) lines_.resize(size_t(n));
}

void LineList::clear() {
  lines_.clear();
  lines_.shrink_to_fit();
  own_.reset();
  shared_.clear();
  generation_ = nextGeneration();
  lastSource_ = nullptr;
}

void LineList::compactIfWasteful() {
  size_t live = 0;
  for (TextView line : lines_) live += line.size();
  if (arenaBytes() <= 2 * live + (size_t(64) << 20)) return;
  // One block of exactly the bytes the lines need.
  auto fresh = std::make_shared<TextArena>();
  char* block = fresh->newBlock(live);
  for (TextView& line : lines_) {
    if (line.empty()) continue;
    std::memcpy(block, line.data(), line.size());
    line = TextView(block, line.size());
    block += line.size();
  }
  own_ = std::move(fresh);
  shared_.clear();
  generation_ = nextGeneration();
}

size_t LineList::arenaBytes() const {
  size_t total = own_ ? own_->bytesHeld() : 0;
  for (const auto& arena : shared_) total += arena->bytesHeld();
  return total;
}

}  // namespace quorvan
