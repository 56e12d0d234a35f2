#pragma once
// Data filter: "筛选数据".
//
// Removes every line whose value in one column meets at least one of the ticked conditions;
// the removed lines go to removedLines, the others keep their order.
#include <cstdint>

#include "core/job.h"
#include "core/text.h"

namespace quorvan {

// The conditions of the filter panel, each with its switch and its parameters as converted
// from the boxes (an empty box gives 0 or the empty text). Nothing is validated.
struct FilterSettings {
  // 1 to 3: the value holds an ASCII digit, an ASCII letter, a character that is neither.
  bool removeWithDigit = false;
  bool removeWithLetter = false;
  bool removeWithNonAlphanumeric = false;
  // 4, 5: its length in bytes is below minLength, above maxLength.
  bool removeShorter = false;
  int32_t minLength = 0;
  bool removeLonger = false;
  int32_t maxLength = 0;
  // 6, 7: as a number it lies below minNumber, above maxNumber, by more than the tolerance.
  bool removeSmaller = false;
  double minNumber = 0;
  bool removeLarger = false;
  double maxNumber = 0;
  // 8, 9: requiredText does not occur in it, forbiddenText does.
  bool removeWithout = false;
  Text requiredText;
  bool removeWith = false;
  Text forbiddenText;
  // 10, 11: its bytes from ... to (1-based) differ from, equal the given text.
  bool removeRangeDiffers = false;
  int32_t differFrom = 0;
  int32_t differTo = 0;
  Text differText;
  bool removeRangeEquals = false;
  int32_t equalFrom = 0;
  int32_t equalTo = 0;
  Text equalText;
};

// Numbers closer than this count as equal for conditions 6 and 7.
inline constexpr double kFilterNumberTolerance = 1e-7;

// The settings as the panel holds them.
FilterSettings readFilterSettings(JobHost& host);

// True keeps the line: none of the switched-on conditions holds for the value. The conditions
// are tried in their order and the first that holds decides.
bool passesFilter(TextView value, const FilterSettings& settings);

// Character-class tests. They walk the value by characters, so a double-byte character is
// never a digit or a letter, whatever the code of its second byte; it is always "neither".
bool containsDigit(TextView value);
bool containsLetter(TextView value);
bool containsNonAlphanumeric(TextView value);

void FilterLines(Job& job);

}  // namespace quorvan
