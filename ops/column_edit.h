#pragma once
// Column rearrangement: "列交换位置", "指定列删除", "指定列添加后缀".
//
// Each job rewrites, in place, the lines that have the columns it needs, joining them again
// from their columns; every other line keeps its exact text. No line is removed.
#include "core/job.h"

namespace quorvan {

// Form names of the settings.
inline constexpr std::string_view kSwapFirstColumnBox = "编辑框2";
inline constexpr std::string_view kSwapSecondColumnBox = "编辑框3";
inline constexpr std::string_view kDeleteColumnBox = "编辑框5";
inline constexpr std::string_view kSuffixColumnBox = "编辑框8";
inline constexpr std::string_view kSuffixTextBox = "编辑框7";

void SwapColumns(Job& job);
void DeleteColumn(Job& job);
void AppendSuffix(Job& job);

}  // namespace quorvan
