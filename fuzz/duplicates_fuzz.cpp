// Duplicate marking against a std::set: a text is marked exactly when an equal non-empty text
// came before it. One table serves every run, as in the program, so reuse is covered too.
#include <atomic>
#include <cstdlib>
#include <set>
#include <vector>

#include "core/duplicate_table.h"
#include "fuzz/fuzz_input.h"

using namespace quorvan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static DuplicateTable table;
  fuzz::FuzzInput input(data, size);
  // Short texts: many equal ones, and many that share a bucket.
  std::vector<TextView> texts;
  while (!input.empty()) {
    TextView t = input.piece(5);
    texts.push_back(t);
    if (texts.size() > 4000) break;
  }
  std::vector<uint8_t> marks(texts.size(), 0);
  std::atomic<int32_t> progress{0};
  const int32_t distinct = markDuplicates(table, texts, marks, progress);

  std::set<TextView> seen;
  for (size_t i = 0; i < texts.size(); ++i) {
    bool duplicate = !texts[i].empty() && !seen.insert(texts[i]).second;
    if (bool(marks[i]) != duplicate) abort();
  }
  if (distinct != int32_t(seen.size() - (seen.count(TextView()) ? 1 : 0))) abort();
  if (!texts.empty() && progress.load() != 100) abort();
  return 0;
}
