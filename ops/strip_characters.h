#pragma once
// Character stripping: "去除杂质".
//
// Strips classes of characters from one column, then rebuilds every line without blank
// columns, each column trimmed. No line is removed.
#include "core/job.h"

namespace quorvan {

// Form names of the settings.
inline constexpr std::string_view kStripColumnBox = "编辑框30";
inline constexpr std::string_view kKeepAlphanumericCheck = "选择框18";
inline constexpr std::string_view kRemoveAtCheck = "选择框17";
inline constexpr std::string_view kRemoveLettersCheck = "选择框20";
inline constexpr std::string_view kRemoveDigitsCheck = "选择框21";
inline constexpr std::string_view kRemoveCustomCheck = "选择框16";
inline constexpr std::string_view kCustomTextBox = "编辑框32";

// The ticked options; they apply in the order of the fields.
struct StripOptions {
  bool keepAlphanumeric = false;  // everything but letters, digits and "@" removed
  bool removeAt = false;
  bool removeLetters = false;
  bool removeDigits = false;
  bool removeCustom = false;
  Text customText;  // GBK, as typed; removed wherever it stands when removeCustom is ticked
};

// The value with the ticked options applied in order.
Text stripColumnValue(TextView value, const StripOptions& options);

// The character filters. They judge whole characters: a double-byte character is never a
// letter, a digit or "@", so the first filter removes it and the other two keep it whole.
Text keepAlphanumericAndAt(TextView value);
Text removeLetterBytes(TextView value);
Text removeDigitBytes(TextView value);

void StripCharacters(Job& job);

}  // namespace quorvan
