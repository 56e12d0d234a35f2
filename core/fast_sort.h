#pragma once
// Sorting without the engine's call-by-call protocol, for sorts whose result does not depend on
// the algorithm: whole lines (equal lines are identical bytes) and keys of which no two are
// equal. Large lists are sorted on two threads.
#include <atomic>
#include <cstdint>
#include <span>
#include <vector>

#include "core/text.h"

namespace quorvan {

// The positions 0 ... n-1 of `keys` in ascending compareText order; equal keys keep no
// particular order.
std::vector<uint32_t> orderByText(std::span<const TextView> keys);
// The positions 0 ... n-1 of `keys` in ascending order of value (no NaN among them).
std::vector<uint32_t> orderByNumber(std::span<const double> keys);

// True when no two keys next to each other in `order` compare equal: the sorted order is then
// the only one, whatever the algorithm.
bool noEqualNeighbours(std::span<const TextView> keys, std::span<const uint32_t> order);

// Puts `texts` into the given order: texts[i] becomes the old texts[order[i]].
void applyOrder(std::span<TextView> texts, std::span<const uint32_t> order);

// Sorts the texts by compareText, ascending or descending. Progress runs from `from` to `to`.
void sortTexts(std::span<TextView> texts, bool descending, std::atomic<int32_t>& progress,
               int32_t from, int32_t to);

}  // namespace quorvan
