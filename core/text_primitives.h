#pragma once
// The text primitives every operation is written in. Pure functions, safe on any thread.
//
// `splitText`, `findText`, `replaceSubtext`, `toUpperCase` and the space functions walk along
// character boundaries, so a trail byte is never taken for a character of its own;
// `textLeft`, `textRight` and `textMid` count plain bytes. Positions are 1-based.
#include <cstdint>
#include <vector>

#include "core/text.h"

namespace quorvan {

inline int64_t textLength(TextView t) { return int64_t(t.size()); }
TextView textLeft(TextView t, int64_t n);
TextView textRight(TextView t, int64_t n);
TextView textMid(TextView t, int64_t start, int64_t n);

// 1-based position of the first occurrence of `part` starting at a character boundary; -1 when
// there is none. The empty part is found at 1 in a non-empty text, and not in the empty text.
int64_t findText(TextView t, TextView part);

// The pieces of t between separators: none for the empty t; t itself for an empty separator;
// an empty rest after the last separator adds nothing. The views look into t.
std::vector<TextView> splitViews(TextView t, TextView separator);
// The same pieces into `pieces` (cleared first), so a loop over many lines reuses one vector.
void splitViewsInto(TextView t, TextView separator, std::vector<TextView>& pieces);
std::vector<Text> splitText(TextView t, TextView separator);

// Every occurrence of part, left to right without overlap, replaced; the replacement is never
// searched again.
Text replaceSubtext(TextView t, TextView part, TextView replacement);

// Spaces are 0x20 and the full-width space A1 A1.
TextView trimBothEnds(TextView t);
Text removeAllSpaces(TextView t);
Text toUpperCase(TextView t);
Text charFromCode(int64_t code);

}  // namespace quorvan
