#pragma once
// The random text generators behind the escapes of "生成自定义列".
//
// Each generator seeds the calling thread's generator first, then draws `count` characters
// (none for a count of 0 or less). Results are GBK. Safe on any thread: the state drawn from
// is the calling thread's own.
#include <cstdint>
#include <span>

#include "core/text.h"

namespace quorvan {

// Digits "1" ... "9" (never "0").
Text randomDigits(int32_t count);
// "a" ... "z".
Text randomLowerLetters(int32_t count);
// "A" ... "Z".
Text randomUpperLetters(int32_t count);
// "a" ... "z" and "A" ... "Z".
Text randomLetters(int32_t count);
// Entries of randomSymbolEntries(), one or two bytes each.
Text randomSymbols(int32_t count);
// Double-byte characters with both bytes in B0 ... DA (GB2312 rows 16 to 58).
Text randomChineseChars(int32_t count);

// The 106 entries randomSymbols draws from, in order, as GBK bytes; five occur twice and are
// drawn twice as often.
std::span<const TextView> randomSymbolEntries();

}  // namespace quorvan
