#include "ops/mobile_filter.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/columns.h"
#include "core/job_frame.h"
#include "core/numbers.h"
#include "core/text_primitives.h"
#include "ops/line_removal.h"

namespace quorvan {
namespace {

constexpr std::string_view kColumnBox = "编辑框25";
constexpr std::string_view kKeepMobileBox = "选择框12";
constexpr std::string_view kKeepUnicomBox = "选择框13";
constexpr std::string_view kKeepTelecomBox = "选择框14";
constexpr std::string_view kKeepOtherBox = "选择框15";
constexpr std::string_view kCustomModeBox = "选择框23";
constexpr std::string_view kCustomPrefixesBox = "编辑框35";

// Tried in this order; no prefix is in two tables.
constexpr std::array<std::string_view, 22> kChinaMobilePrefixes = {
    "134", "135", "136", "137", "138", "139", "147", "148", "150", "151", "152",
    "157", "158", "159", "172", "178", "182", "183", "184", "187", "188", "198"};
constexpr std::array<std::string_view, 13> kChinaUnicomPrefixes = {
    "130", "131", "132", "145", "146", "155", "156", "166", "171", "175", "176", "185", "186"};
constexpr std::array<std::string_view, 10> kChinaTelecomPrefixes = {
    "133", "149", "153", "173", "174", "177", "180", "181", "189", "199"};

template <size_t Size>
bool holds(const std::array<std::string_view, Size>& table, TextView prefix) {
  return std::find(table.begin(), table.end(), prefix) != table.end();
}

struct CarrierChoice {
  bool mobile = false;
  bool unicom = false;
  bool telecom = false;
  bool other = false;

  bool keeps(CarrierKind kind) const {
    switch (kind) {
      case CarrierKind::ChinaMobile:
        return mobile;
      case CarrierKind::ChinaUnicom:
        return unicom;
      case CarrierKind::ChinaTelecom:
        return telecom;
      case CarrierKind::OtherCarrier:
        return other;
      case CarrierKind::NotMobileNumber:
        return false;
    }
    return false;
  }
};

// Custom mode: the value as cut, untrimmed, begins with one of the prefixes. An empty prefix
// begins every value.
bool beginsWithAny(TextView value, const std::vector<TextView>& prefixes) {
  for (TextView prefix : prefixes) {
    if (value.starts_with(prefix)) return true;
  }
  return false;
}

}  // namespace

bool isAllDigits(TextView text) {
  // A trail byte lies in 40 ... FE and is never taken for a digit, so a byte walk is exact.
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

CarrierKind classifyMobileNumber(TextView value) {
  // A value of spaces only is not 11 digits either, so the length and digit test covers it.
  if (textLength(value) != 11 || !isAllDigits(value)) return CarrierKind::NotMobileNumber;
  TextView prefix = textLeft(value, 3);
  if (holds(kChinaMobilePrefixes, prefix)) return CarrierKind::ChinaMobile;
  if (holds(kChinaUnicomPrefixes, prefix)) return CarrierKind::ChinaUnicom;
  if (holds(kChinaTelecomPrefixes, prefix)) return CarrierKind::ChinaTelecom;
  return CarrierKind::OtherCarrier;
}

void FilterMobileNumbers(Job& job) {
  // The settings are checked before the list view is emptied.
  openJobFrame(job, false);
  const std::optional<ColumnChoice> column = readColumnChoice(job, kColumnBox);
  if (!column) return;
  const bool customMode = job.host.isChecked(kCustomModeBox);
  const Text prefixText = job.host.controlText(kCustomPrefixesBox);
  const std::vector<TextView> customPrefixes = splitViews(prefixText, ",");
  CarrierChoice choice;
  choice.mobile = job.host.isChecked(kKeepMobileBox);
  choice.unicom = job.host.isChecked(kKeepUnicomBox);
  choice.telecom = job.host.isChecked(kKeepTelecomBox);
  choice.other = job.host.isChecked(kKeepOtherBox);
  removeLinesByColumn(job, *column, [&](TextView value) {
    return customMode ? beginsWithAny(value, customPrefixes)
                      : choice.keeps(classifyMobileNumber(trimBothEnds(value)));
  });
}

}  // namespace quorvan
