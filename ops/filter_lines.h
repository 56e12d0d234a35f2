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
  bool removeWithDigit = false;           // 1: holds an ASCII digit
  bool removeWithLetter = false;          // 2: holds an ASCII letter
  bool removeWithNonAlphanumeric = false; // 3: holds a character that is neither
  bool removeShorter = false;             // 4: length < minLength
  int32_t minLength = 0;
  bool removeLonger = false;              // 5: length > maxLength
  int32_t maxLength = 0;
  bool removeSmaller = false;             // 6: number below minNumber by more than the tolerance
  double minNumber = 0;
  bool removeLarger = false;              // 7: number above maxNumber by more than the tolerance
  double maxNumber = 0;
  bool removeWithout = false;             // 8: requiredText does not occur
  Text requiredText;
  bool removeWith = false;                // 9: forbiddenText occurs
  Text forbiddenText;
  bool removeRangeDiffers = false;        // 10: bytes differFrom ... differTo are not differText
  int32_t differFrom = 0;
  int32_t differTo = 0;
  Text differText;
  bool removeRangeEquals = false;         // 11: bytes equalFrom ... equalTo are equalText
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
