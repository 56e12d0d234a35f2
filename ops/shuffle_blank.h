#pragma once
// Shuffle and blank lines: "打乱顺序", "加入空行".
#include <cstdint>

#include "core/job.h"

namespace quorvan {

// The "行数：" box of the blank lines panel.
inline constexpr std::string_view kBlankLineCountBox = "编辑框31";

// A position in 1 ... count drawn from the calling thread's generator, from the whole range
// however long it is: three 15-bit draws make one 45-bit value. count >= 1.
int32_t drawPosition(int32_t count);

// Job body: exchanges each line i = 1 ... N in turn with a line drawn from the whole list,
// after seeding the generator from the clock.
void ShuffleLines(Job& job);

// Runs on the window thread without a frame: appends toInt("行数：") empty lines, or drops as
// many last lines when the count is negative. An empty box does nothing; a count that cannot be
// honoured (more lines to drop than there are, more lines than a list holds, no memory) keeps
// the lines as they are.
void AppendBlankLines(Job& job);

}  // namespace quorvan
