#include "ops/filter_lines.h"

#include "core/columns.h"
#include "core/compare_text.h"
#include "core/job_frame.h"
#include "core/numbers.h"
#include "core/text_primitives.h"
#include "ops/line_removal.h"

namespace quorvan {
namespace {

constexpr std::string_view kColumnBox = "编辑框10";

bool isAsciiDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// True when some character of the value is a single byte that `test` accepts. A double-byte
// character is skipped whole: its trail byte can carry an ASCII code (B0 6C is one character,
// not a letter "l").
template <class Test>
bool anySingleByte(TextView value, Test test) {
  for (size_t pos = 0; pos < value.size();) {
    size_t length = characterLength(value, pos);
    if (length == 1 && test(static_cast<unsigned char>(value[pos]))) return true;
    pos += length;
  }
  return false;
}

// textMid(value, from, to - from + 1) == text; the length is formed in 64 bits so extreme
// boxes cannot overflow.
bool rangeEquals(TextView value, int32_t from, int32_t to, TextView text) {
  return compareText(textMid(value, from, int64_t(to) - int64_t(from) + 1), text) == 0;
}

}  // namespace

bool containsDigit(TextView value) { return anySingleByte(value, isAsciiDigit); }

bool containsLetter(TextView value) { return anySingleByte(value, isAsciiLetter); }

bool containsNonAlphanumeric(TextView value) {
  for (size_t pos = 0; pos < value.size();) {
    size_t length = characterLength(value, pos);
    unsigned char c = static_cast<unsigned char>(value[pos]);
    if (length != 1 || !(isAsciiDigit(c) || isAsciiLetter(c))) return true;
    pos += length;
  }
  return false;
}

FilterSettings readFilterSettings(JobHost& host) {
  FilterSettings s;
  s.removeWithDigit = host.isChecked("选择框6");
  s.removeWithLetter = host.isChecked("选择框2");
  s.removeWithNonAlphanumeric = host.isChecked("选择框3");
  s.removeShorter = host.isChecked("选择框4");
  s.minLength = toInt(host.controlText("编辑框12"));
  s.removeLonger = host.isChecked("选择框5");
  s.maxLength = toInt(host.controlText("编辑框13"));
  s.removeSmaller = host.isChecked("选择框7");
  s.minNumber = toNumber(host.controlText("编辑框14"));
  s.removeLarger = host.isChecked("选择框8");
  s.maxNumber = toNumber(host.controlText("编辑框15"));
  s.removeWithout = host.isChecked("选择框9");
  s.requiredText = host.controlText("编辑框16");
  s.removeWith = host.isChecked("选择框10");
  s.forbiddenText = host.controlText("编辑框17");
  s.removeRangeDiffers = host.isChecked("选择框1");
  s.differFrom = toInt(host.controlText("编辑框18"));
  s.differTo = toInt(host.controlText("编辑框20"));
  s.differText = host.controlText("编辑框21");
  s.removeRangeEquals = host.isChecked("选择框11");
  s.equalFrom = toInt(host.controlText("编辑框22"));
  s.equalTo = toInt(host.controlText("编辑框23"));
  s.equalText = host.controlText("编辑框24");
  return s;
}

bool passesFilter(TextView value, const FilterSettings& s) {
  if (s.removeWithDigit && containsDigit(value)) return false;
  if (s.removeWithLetter && containsLetter(value)) return false;
  if (s.removeWithNonAlphanumeric && containsNonAlphanumeric(value)) return false;
  if (s.removeShorter && textLength(value) < s.minLength) return false;
  if (s.removeLonger && textLength(value) > s.maxLength) return false;
  if (s.removeSmaller && toNumber(value) - s.minNumber < -kFilterNumberTolerance) return false;
  if (s.removeLarger && toNumber(value) - s.maxNumber > kFilterNumberTolerance) return false;
  if (s.removeWithout && findText(value, s.requiredText) == -1) return false;
  if (s.removeWith && findText(value, s.forbiddenText) != -1) return false;
  if (s.removeRangeDiffers && !rangeEquals(value, s.differFrom, s.differTo, s.differText))
    return false;
  if (s.removeRangeEquals && rangeEquals(value, s.equalFrom, s.equalTo, s.equalText)) return false;
  return true;
}

void FilterLines(Job& job) {
  // The settings are checked before the list view is emptied.
  openJobFrame(job, false);
  const std::optional<ColumnChoice> choice = readColumnChoice(job, kColumnBox);
  if (!choice) return;
  const FilterSettings settings = readFilterSettings(job.host);
  removeLinesByColumn(job, *choice, [&](TextView value) { return passesFilter(value, settings); });
}

}  // namespace quorvan
