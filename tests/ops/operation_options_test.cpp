// The batch tool's options reach every control of the settings pages, each edit box through
// exactly one option, so a mistyped form name in the table shows here.
#include "ops/operation_options.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "ops/operation_table.h"

namespace quorvan {
namespace {

struct Reach {
  std::map<std::string, int> valueBoxes;  // edit box -> options filling it
  std::set<std::string> checkBoxes;
};

Reach reachOfAllOptions() {
  Reach reach;
  auto add = [&reach](std::span<const CommandOption> options) {
    for (const auto& option : options) {
      if (!option.checkBox.empty()) reach.checkBoxes.insert(std::string(option.checkBox));
      for (const auto& choice : option.choices)
        reach.checkBoxes.insert(std::string(choice.checkBox));
      for (const auto& value : option.values) {
        if (!value.box.empty()) ++reach.valueBoxes[std::string(value.box)];
      }
    }
  };
  add(commonCommandOptions());
  for (const auto& entry : operationTable()) add(commandOptions(entry.kind));
  return reach;
}

TEST(OperationOptions, EveryEditBoxIsFilledByExactlyOneOption) {
  Reach reach = reachOfAllOptions();
  for (int n = 1; n <= 36; ++n) {
    const std::string box = "编辑框" + std::to_string(n);
    EXPECT_EQ(reach.valueBoxes[box], 1) << box;
  }
  EXPECT_EQ(reach.valueBoxes.size(), 36u);
}

TEST(OperationOptions, EveryCheckBoxCanBeTicked) {
  Reach reach = reachOfAllOptions();
  std::set<std::string> expected;
  for (int n = 1; n <= 24; ++n) expected.insert("选择框" + std::to_string(n));
  EXPECT_EQ(reach.checkBoxes, expected);
}

TEST(OperationOptions, OptionNamesAreUniqueWithinAnOperation) {
  for (const auto& entry : operationTable()) {
    std::set<std::string_view> names;
    for (const auto& option : commonCommandOptions()) names.insert(option.name);
    for (const auto& option : commandOptions(entry.kind)) {
      EXPECT_TRUE(names.insert(option.name).second) << entry.command << " " << option.name;
    }
  }
}

}  // namespace
}  // namespace quorvan
