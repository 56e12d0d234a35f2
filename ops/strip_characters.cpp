#include "ops/strip_characters.h"

#include <vector>

#include "core/columns.h"
#include "core/job_frame.h"
#include "core/numbers.h"
#include "core/text_primitives.h"
#include "ops/line_rewrite.h"

namespace quorvan {
namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Copies the characters of `value` that `keep` accepts. `keep` sees single-byte characters
// only: a double-byte character is kept or dropped whole, as `keepDoubleByte` says, so no
// lone lead or trail byte is ever left behind.
template <class Keep>
Text filterCharacters(TextView value, bool keepDoubleByte, Keep&& keep) {
  Text result;
  result.reserve(value.size());
  for (size_t pos = 0; pos < value.size();) {
    const size_t length = characterLength(value, pos);
    const bool single = length == 1 && !isLeadByte(static_cast<unsigned char>(value[pos]));
    if (single ? keep(value[pos]) : keepDoubleByte) result.append(value.substr(pos, length));
    pos += length;
  }
  return result;
}

StripOptions readOptions(JobHost& host) {
  StripOptions options;
  options.keepAlphanumeric = host.isChecked(kKeepAlphanumericCheck);
  options.removeAt = host.isChecked(kRemoveAtCheck);
  options.removeLetters = host.isChecked(kRemoveLettersCheck);
  options.removeDigits = host.isChecked(kRemoveDigitsCheck);
  options.removeCustom = host.isChecked(kRemoveCustomCheck);
  options.customText = host.controlText(kCustomTextBox);
  return options;
}

}  // namespace

Text keepAlphanumericAndAt(TextView value) {
  return filterCharacters(value, false,
                          [](char c) { return isLetter(c) || isDigit(c) || c == '@'; });
}

Text removeLetterBytes(TextView value) {
  return filterCharacters(value, true, [](char c) { return !isLetter(c); });
}

Text removeDigitBytes(TextView value) {
  return filterCharacters(value, true, [](char c) { return !isDigit(c); });
}

Text stripColumnValue(TextView value, const StripOptions& options) {
  Text result(value);
  if (options.keepAlphanumeric) result = keepAlphanumericAndAt(result);
  if (options.removeAt) result = replaceSubtext(result, "@", "");
  if (options.removeLetters) result = removeLetterBytes(result);
  if (options.removeDigits) result = removeDigitBytes(result);
  if (options.removeCustom) result = replaceSubtext(result, options.customText, "");
  return result;
}

void StripCharacters(Job& job) {
  openJobFrame(job, false);
  const Text delimiter = job.host.controlText(kDelimiterBoxName);
  const int32_t column = toInt(job.host.controlText(kStripColumnBox));
  const StripOptions options = readOptions(job.host);
  if (delimiter.empty() || column < 1) {
    closeJobFrame(job);
    job.host.showMessage(noDelimiterMessage(), MessageIcon::Error);
    return;
  }
  job.host.clearItems();
  std::vector<TextView> columns;
  Text stripped;
  Text joined;
  rewriteLines(job.store, [&](TextView line) -> TextView {
    splitViewsInto(line, delimiter, columns);
    if (columns.size() >= size_t(column)) {
      stripped = stripColumnValue(columns[size_t(column) - 1], options);
      columns[size_t(column) - 1] = stripped;
    }
    joined = joinNonBlankColumns(columns, delimiter);
    return joined;
  });
  closeJobFrame(job);
}

}  // namespace quorvan
