#pragma once
// Custom column generation: "生成自定义列".
#include "core/job.h"

namespace quorvan {

// Form name of the pattern box "文本：".
inline constexpr std::string_view kPatternBox = "编辑框9";

// One expansion of the pattern: literal text with escapes of an opening marker, a count and a
// closing marker; the closing marker ("\" "*" "@" "%" "#" "$") picks the random generator, and
// an escape still open at the end adds nothing. The pattern is walked by character, so a byte
// of a double-byte character is never a marker.
Text generateFromPattern(TextView pattern);

// Appends the delimiter and a fresh expansion of the pattern to every line.
void GenerateColumn(Job& job);

}  // namespace quorvan
