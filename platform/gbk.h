#pragma once
// Conversion between GBK (Windows code page 936) and UTF-8.
//
// The engine keeps every text as GBK bytes; conversion happens only at the edges: file names,
// the terminal and the window. ICU's "windows-936-2000" is exactly code page 936 (glibc's CP936
// rejects 0x80, 0xFF and the user-defined area). Every function may be called from any thread.
#include <optional>
#include <string>
#include <string_view>

namespace quorvan::platform {

// The UTF-8 form of GBK bytes, or nothing when a byte sequence is not code page 936.
std::optional<std::string> gbkToUtf8(std::string_view gbk);

// The UTF-8 form of GBK bytes; undecodable bytes become U+FFFD. For showing, never for paths.
std::string gbkToUtf8Lossy(std::string_view gbk);

// The GBK form of UTF-8 text, or nothing when a character has no code in code page 936 or
// the input is not valid UTF-8.
std::optional<std::string> utf8ToGbk(std::string_view utf8);

}  // namespace quorvan::platform
