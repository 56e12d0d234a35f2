#pragma once
// Text: the byte strings the engine works on.
//
// Every line, delimiter, pattern and control value is GBK bytes. `Text` owns its bytes;
// `TextView` looks at bytes owned elsewhere (a line of a LineList, a column of a line).
// Lengths and positions count bytes; the empty text and an absent text are the same value.
#include <string>
#include <string_view>

namespace quorvan {

using Text = std::string;
using TextView = std::string_view;

// The GBK form of a UTF-8 literal of the program (captions, messages, form texts). Such a
// literal always converts; a failure is a programming error and aborts.
Text gbk(std::string_view utf8Literal);

// A lead byte starts a double-byte character: the byte and the one after it form one
// character (the walk along character boundaries).
inline bool isLeadByte(unsigned char byte) { return byte >= 0x80; }

// The number of bytes of the character that starts at `pos` of `t` (1 or 2; 1 for a lead byte
// at the very end).
inline size_t characterLength(TextView t, size_t pos) {
  return isLeadByte(static_cast<unsigned char>(t[pos])) && pos + 1 < t.size() ? 2 : 1;
}

}  // namespace quorvan
