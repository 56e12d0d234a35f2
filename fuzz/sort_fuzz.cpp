// The line sort against a reference sort: the same lines (as a multiset, bytes shared, not
// copied), in order by unsigned bytes, ascending or descending.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/compare_text.h"
#include "core/engine_state.h"
#include "fuzz/fuzz_input.h"
#include "ops/sort_lines.h"

using namespace quorvan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const bool descending = input.byte() & 1;
  EngineState state;
  std::vector<std::string> expected;
  while (!input.empty()) {
    TextView t = input.piece(6);
    state.store.workingLines.append(t);
    expected.emplace_back(t);
    if (expected.size() > 3000) break;
  }
  std::vector<const char*> before;
  for (TextView line : state.store.workingLines) before.push_back(line.data());

  sortWorkingLines(state, descending);

  // Reference: std::sort by unsigned bytes (std::string compares char_traits<char>, which is
  // unsigned comparison).
  std::sort(expected.begin(), expected.end());
  if (descending) std::reverse(expected.begin(), expected.end());
  const LineList& lines = state.store.workingLines;
  if (lines.count() != int32_t(expected.size())) abort();
  std::vector<const char*> after;
  for (int32_t i = 1; i <= lines.count(); ++i) {
    if (lines.at(i) != expected[size_t(i) - 1]) abort();
    if (i > 1) {
      int c = compareText(lines.at(i - 1), lines.at(i));
      if (descending ? c < 0 : c > 0) abort();
    }
    after.push_back(lines.at(i).data());
  }
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  if (before != after) abort();
  if (!state.sort.pivot.empty()) abort();
  return 0;
}
