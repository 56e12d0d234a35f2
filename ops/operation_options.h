#pragma once
// The batch tool's arguments and options of each operation, beside the one table of
// operations and keyed by OperationKind.
//
// Every option is only a name for settings of the window: it ticks or unticks check boxes and
// fills edit boxes, named by their form names, exactly as a user of the window would. The
// batch tool's parser, its help and its checks all read this table, so an option's name, its
// controls and its caption are written once. Plain data: no parser lives here.
#include <array>
#include <span>
#include <string_view>

#include "core/operation_kind.h"

namespace quorvan {

// What a value typed for an edit box is.
enum class ValueKind {
  Integer,  // an integer box: "-" and digits
  Decimal,  // a decimal box: "-", digits and "."
  Text,     // any text
  Path,     // a file the operation reads
  Folder,   // a folder the operation writes into
};

// One value of an option and the edit box it fills.
struct OptionValue {
  std::string_view box{};  // form name of the edit box ("编辑框12"); empty for an unused slot
  ValueKind kind = ValueKind::Text;
  std::string_view name{};  // the value's name in help and messages ("N")
};

// One word of a list option and the check box it ticks ("mobile" -> "选择框12").
struct OptionChoice {
  std::string_view word{};
  std::string_view checkBox{};
  std::string_view caption{};  // the check box's caption (UTF-8)
};

struct CommandOption {
  // "--desc", "-d,--delimiter", or the name of a positional argument ("A").
  std::string_view name{};
  // The window's caption of the control it stands for (UTF-8).
  std::string_view caption{};
  // Ticked when the option is given.
  std::string_view checkBox{};
  // Unticked when the option is given, before anything is ticked.
  std::array<std::string_view, 5> uncheckBoxes{};
  // The values the option takes, in order, and the edit boxes they fill.
  std::array<OptionValue, 3> values{};
  // A comma-separated list of these words, each ticking its box.
  std::span<const OptionChoice> choices{};
  bool required = false;
  // May be given several times; its values are joined with "|" into the one box.
  bool repeatable = false;

  bool positional() const { return !name.empty() && name.front() != '-'; }
  int valueCount() const {
    int n = 0;
    for (const auto& value : values) n += value.box.empty() ? 0 : 1;
    return n + (choices.empty() ? 0 : 1);
  }
};

// The options every operation takes (the delimiter box).
std::span<const CommandOption> commonCommandOptions();
// The arguments and options of one operation, positional arguments in order.
std::span<const CommandOption> commandOptions(OperationKind kind);

}  // namespace quorvan
