#include "ops/mobile_filter.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/recording_host.h"

namespace quorvan {
namespace {

using testing::linesOf;
using testing::makeLines;
using testing::RecordingHost;

using Lines = std::vector<std::string>;
using K = CarrierKind;

TEST(ClassifyMobileNumber, EveryPrefixOfTheThreeTables) {
  const std::map<std::string, CarrierKind> prefixes = {
      {"134", K::ChinaMobile},  {"135", K::ChinaMobile},  {"136", K::ChinaMobile},
      {"137", K::ChinaMobile},  {"138", K::ChinaMobile},  {"139", K::ChinaMobile},
      {"147", K::ChinaMobile},  {"148", K::ChinaMobile},  {"150", K::ChinaMobile},
      {"151", K::ChinaMobile},  {"152", K::ChinaMobile},  {"157", K::ChinaMobile},
      {"158", K::ChinaMobile},  {"159", K::ChinaMobile},  {"172", K::ChinaMobile},
      {"178", K::ChinaMobile},  {"182", K::ChinaMobile},  {"183", K::ChinaMobile},
      {"184", K::ChinaMobile},  {"187", K::ChinaMobile},  {"188", K::ChinaMobile},
      {"198", K::ChinaMobile},  {"130", K::ChinaUnicom},  {"131", K::ChinaUnicom},
      {"132", K::ChinaUnicom},  {"145", K::ChinaUnicom},  {"146", K::ChinaUnicom},
      {"155", K::ChinaUnicom},  {"156", K::ChinaUnicom},  {"166", K::ChinaUnicom},
      {"171", K::ChinaUnicom},  {"175", K::ChinaUnicom},  {"176", K::ChinaUnicom},
      {"185", K::ChinaUnicom},  {"186", K::ChinaUnicom},  {"133", K::ChinaTelecom},
      {"149", K::ChinaTelecom}, {"153", K::ChinaTelecom}, {"173", K::ChinaTelecom},
      {"174", K::ChinaTelecom}, {"177", K::ChinaTelecom}, {"180", K::ChinaTelecom},
      {"181", K::ChinaTelecom}, {"189", K::ChinaTelecom}, {"199", K::ChinaTelecom},
  };
  ASSERT_EQ(prefixes.size(), 45u);
  // Every three-digit start: the 45 give their carrier, all others are another carrier.
  for (int p = 0; p < 1000; ++p) {
    std::string prefix = std::to_string(1000 + p).substr(1);
    auto found = prefixes.find(prefix);
    CarrierKind expected = found == prefixes.end() ? K::OtherCarrier : found->second;
    EXPECT_EQ(classifyMobileNumber(prefix + "12345678"), expected) << prefix;
  }
}

TEST(ClassifyMobileNumber, OnlyElevenAsciiDigitsAreNumbers) {
  const std::vector<std::pair<std::string, CarrierKind>> cases = {
      {"13800138000", K::ChinaMobile},
      {"1380013800", K::NotMobileNumber},    // ten digits
      {"138001380001", K::NotMobileNumber},  // twelve digits
      {"1380013800a", K::NotMobileNumber},
      {"138 0013800", K::NotMobileNumber},
      {"", K::NotMobileNumber},
      {"           ", K::NotMobileNumber},
      // Full-width digits are not digits here: A3 B1 A3 B3 ... is not 11 bytes of digits.
      {"\xA3\xB1\xA3\xB3\xA3\xB8\xA3\xB0\xA3\xB0\xA3\xB1\xA3\xB3\xA3\xB8\xA3\xB0\xA3\xB0\xA3\xB0",
       K::NotMobileNumber},
      {"01234567890", K::OtherCarrier},
      {"21234567890", K::OtherCarrier},
  };
  for (const auto& [value, kind] : cases) EXPECT_EQ(classifyMobileNumber(value), kind) << value;
}

TEST(IsAllDigits, ByteByByte) {
  EXPECT_TRUE(isAllDigits(""));
  EXPECT_TRUE(isAllDigits("0123456789"));
  EXPECT_FALSE(isAllDigits("12a"));
  EXPECT_FALSE(isAllDigits(" 1"));
  EXPECT_FALSE(isAllDigits("\xA3\xB1"));  // full-width 1
}

class MobileFilterJob : public ::testing::Test {
 protected:
  void SetUp() override {
    host.setText("编辑框1", ",");
    host.setText("编辑框25", "2");
  }
  void run(const Lines& lines) {
    state.store.workingLines = makeLines(lines);
    state.store.removedLines = makeLines({"old"});
    host.clearCalls();
    Job job(state, host);
    FilterMobileNumbers(job);
  }
  Lines kept() const { return linesOf(state.store.workingLines); }
  Lines removed() const { return linesOf(state.store.removedLines); }

  EngineState state;
  RecordingHost host;
};

// A: China Mobile, B: Unicom, C: Telecom, D: another carrier, plus values that are no numbers.
const Lines kMixed = {
    "a,13800138000",    // mobile
    "b, 13000000000 ",  // unicom, ASCII spaces around
    "c,\xA1\xA1"
    "13300000000",    // telecom, a full-width space before
    "d,01234567890",  // other
    "e,1380013800",   // ten digits
    "f",              // no column 2
};

TEST_F(MobileFilterJob, CarrierModeKeepsTickedCarriersOnly) {
  struct Case {
    std::vector<const char*> ticked;
    Lines kept;
  };
  const std::vector<Case> cases = {
      {{"选择框12"}, {kMixed[0]}},
      {{"选择框13"}, {kMixed[1]}},
      {{"选择框14"}, {kMixed[2]}},
      {{"选择框15"}, {kMixed[3]}},
      {{"选择框12", "选择框13", "选择框14", "选择框15"},
       {kMixed[0], kMixed[1], kMixed[2], kMixed[3]}},
      {{}, {}},
  };
  for (const auto& c : cases) {
    for (const char* box : {"选择框12", "选择框13", "选择框14", "选择框15"})
      host.setChecked(box, false);
    for (const char* box : c.ticked) host.setChecked(box, true);
    run(kMixed);
    // Lines are stored unchanged, spaces included; the rest go to removedLines in order.
    EXPECT_EQ(kept(), c.kept);
    Lines expectedRemoved;
    for (const auto& line : kMixed) {
      if (std::find(c.kept.begin(), c.kept.end(), line) == c.kept.end())
        expectedRemoved.push_back(line);
    }
    EXPECT_EQ(removed(), expectedRemoved);
    EXPECT_EQ(host.lastMessage(),
              "处理完成！被剔除的数据行数：" + std::to_string(expectedRemoved.size()));
  }
}

TEST_F(MobileFilterJob, CustomModeMatchesUntrimmedPrefixes) {
  host.setChecked("选择框23", true);
  host.setChecked("选择框12", true);  // ignored in custom mode
  const Lines lines = {"a,134abc", "b, 13400000000", "c,13512345678", "d,13812345678", "e"};
  struct Case {
    const char* prefixes;
    Lines kept;
  };
  const std::vector<Case> cases = {
      {"134,135", {"a,134abc", "c,13512345678"}},
      {"134,", {"a,134abc"}},  // a trailing comma adds no item
      {"", {}},                // no item at all
      {",134", lines},         // an empty item begins every value
      {"134,,135", lines},
      {"13512345678999", {}},  // longer than every value
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.prefixes);
    host.setText("编辑框35", c.prefixes);
    run(lines);
    EXPECT_EQ(kept(), c.kept);
    EXPECT_EQ(state.store.workingLines.count() + state.store.removedLines.count(), 5);
  }
}

TEST_F(MobileFilterJob, KeptAndRemovedLinesShareBytes) {
  host.setChecked("选择框12", true);
  state.store.workingLines = makeLines({"x,13800138000", "y,1"});
  const char* keptBytes = state.store.workingLines.at(1).data();
  const char* removedBytes = state.store.workingLines.at(2).data();
  Job job(state, host);
  FilterMobileNumbers(job);
  EXPECT_EQ(state.store.workingLines.at(1).data(), keptBytes);
  EXPECT_EQ(state.store.removedLines.at(1).data(), removedBytes);
}

TEST_F(MobileFilterJob, RefusalsChangeNothing) {
  host.setChecked("选择框12", true);
  host.setText("编辑框1", "");
  run({"a,13800138000", "b"});
  EXPECT_EQ(host.messages(), (Lines{"注意：没有分隔符！"}));
  EXPECT_EQ(host.calls("showMessage"), (Lines{"showMessage error 注意：没有分隔符！"}));
  EXPECT_EQ(kept(), (Lines{"a,13800138000", "b"}));
  EXPECT_EQ(removed(), (Lines{"old"}));

  host.setText("编辑框1", ",");
  for (const char* column : {"", "0", "-1", "x"}) {
    host.setText("编辑框25", column);
    run({"a,13800138000", "b"});
    EXPECT_TRUE(host.messages().empty());
    EXPECT_TRUE(host.calls("clearItems").empty());
    EXPECT_EQ(kept(), (Lines{"a,13800138000", "b"}));
    EXPECT_EQ(removed(), (Lines{"old"}));
  }
}

}  // namespace
}  // namespace quorvan
