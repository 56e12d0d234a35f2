#pragma once
// Text replace and format: "文本替换", "格式化".
//
// Both rewrite every line in place and remove none; a line whose text does not change keeps
// its handle.
#include "core/job.h"

namespace quorvan {

// Form names of the settings of "文本替换".
inline constexpr std::string_view kFindTextBox = "编辑框4";
inline constexpr std::string_view kReplacementBox = "编辑框6";

// Every occurrence of the find text, at character boundaries, left to right without overlap,
// replaced; the delimiter is not used.
void ReplaceText(Job& job);
// Every line cut at the delimiter and joined again without blank columns, each column trimmed.
void FormatLines(Job& job);

}  // namespace quorvan
