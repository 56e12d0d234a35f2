#pragma once
// Mobile number filter: "手机号筛选".
//
// Keeps the lines whose column holds a mobile number of a ticked carrier (carrier mode) or
// begins with one of the user's prefixes (custom mode); every other line goes to removedLines.
#include <cstdint>

#include "core/job.h"
#include "core/text.h"

namespace quorvan {

enum class CarrierKind : int32_t {
  NotMobileNumber = 0,  // not exactly 11 ASCII digits
  ChinaMobile = 1,
  ChinaUnicom = 2,
  ChinaTelecom = 3,
  OtherCarrier = 4,  // 11 digits whose first three are in no carrier's table
};

// The carrier of a value already trimmed of spaces, by its first three digits.
CarrierKind classifyMobileNumber(TextView value);

// True when every byte is an ASCII digit (also for the empty text).
bool isAllDigits(TextView text);

void FilterMobileNumbers(Job& job);

}  // namespace quorvan
