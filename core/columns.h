#pragma once
// Column addressing: how a line is cut into columns by the delimiter and joined again.
//
// Columns count from 1; a line has the columns that splitText gives, so a missing column reads
// as the empty text. Pure functions, safe on any thread.
#include <cstdint>
#include <span>
#include <vector>

#include "core/text.h"

namespace quorvan {

// Form name of the delimiter box "分隔符".
inline constexpr std::string_view kDelimiterBoxName = "编辑框1";

// Column k (k >= 1) of the line, or the empty text when the line has fewer columns. The view
// looks into the line.
TextView columnValue(TextView line, TextView delimiter, int32_t k);

// The columns in order, each followed by the delimiter, with the final delimiter cut off.
Text joinColumns(std::span<const TextView> columns, TextView delimiter);
Text joinColumns(std::span<const Text> columns, TextView delimiter);

// Like joinColumns, but columns left empty by removeAllSpaces are dropped and the others are
// taken through trimBothEnds.
Text joinNonBlankColumns(std::span<const TextView> columns, TextView delimiter);

// The refusals every column operation shares (GBK).
const Text& noDelimiterMessage();             // "注意：没有分隔符！"
const Text& noDelimiterOrSuffixMessage();     // "注意：没有分隔符或需要加的后缀！"
const Text& noDelimiterOrBadColumnMessage();  // "注意：没有分隔符或列位置错误！"

}  // namespace quorvan
