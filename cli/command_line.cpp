#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <sstream>

#include "io/file_messages.h"
#include "ops/operation_options.h"
#include "ops/operation_table.h"
#include "platform/gbk.h"

namespace quorvan::cli {
namespace {

constexpr std::string_view kProgram = "quorvan-cli";

// A usage error: printed with the program's name, exit status 2.
struct UsageError {
  std::string text;
};
// A path the tool cannot name in GBK: exit status 1, as for any file it cannot read or write.
struct PathError {
  std::string text;
};

std::string str(std::string_view view) { return std::string(view); }

// The name CLI11 knows an option by ("--column"; "delimiter" for "-d,--delimiter"; "N").
std::string longName(std::string_view name) {
  auto comma = name.rfind(',');
  return str(comma == std::string_view::npos ? name : name.substr(comma + 1));
}

// Caption runs of spaces leave room for edit boxes in the window; in help they read as "…".
std::string helpCaption(std::string_view caption) {
  std::string text;
  for (size_t i = 0; i < caption.size();) {
    size_t end = std::min(caption.find_first_not_of(' ', i), caption.size());
    if (end - i >= 2) {
      text += " … ";
      i = end;
    } else {
      text += caption[i++];
    }
  }
  return text;
}

std::string describe(const CommandOption& option) {
  std::string text = helpCaption(option.caption);
  std::string controls;
  auto add = [&controls](std::string_view form) {
    if (form.empty()) return;
    if (!controls.empty()) controls += ", ";
    controls += form;
  };
  add(option.checkBox);
  for (const auto& value : option.values) add(value.box);
  for (const auto& choice : option.choices) {
    if (!controls.empty()) controls += ", ";
    controls += str(choice.word) + "=" + str(choice.checkBox) + " " + str(choice.caption);
  }
  if (!controls.empty()) text += " (" + controls + ")";
  if (option.repeatable) text += "; may be given several times";
  return text;
}

std::string typeName(const CommandOption& option) {
  std::string names;
  for (const auto& value : option.values) {
    if (value.box.empty()) continue;
    if (!names.empty()) names += ' ';
    names += value.name;
  }
  if (!option.choices.empty()) {
    names = "LIST";
  }
  return names;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// What the window's integer box takes: digits after an optional sign.
bool isIntegerText(std::string_view text) {
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// What the decimal box takes: digits with at most one point, after an optional sign.
bool isDecimalText(std::string_view text) {
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  const auto digits = std::count_if(text.begin(), text.end(), isDigit);
  const auto points = std::count(text.begin(), text.end(), '.');
  return digits > 0 && points <= 1 && size_t(digits + points) == text.size();
}

// The GBK form of a command-line argument (UTF-8).
Text toGbk(const std::string& utf8, std::string_view what, bool isPath) {
  auto converted = platform::utf8ToGbk(utf8);
  if (converted) return *converted;
  std::string text = str(what) + ": '" + utf8 + "' cannot be written in GBK (code page 936)";
  if (isPath) throw PathError{text};
  throw UsageError{text};
}

Text convertValue(const std::string& utf8, const OptionValue& value, std::string_view option) {
  const std::string what = str(option);
  switch (value.kind) {
    case ValueKind::Integer:
      if (!isIntegerText(utf8)) throw UsageError{what + ": '" + utf8 + "' is not an integer"};
      return utf8;
    case ValueKind::Decimal:
      if (!isDecimalText(utf8)) throw UsageError{what + ": '" + utf8 + "' is not a number"};
      return utf8;
    case ValueKind::Text:
      return toGbk(utf8, what, false);
    case ValueKind::Path:
    case ValueKind::Folder:
      return toGbk(utf8, what, true);
  }
  return utf8;
}

// Every control an option can set: form name -> whether it is a check box.
const std::map<std::string, bool, std::less<>>& knownControls() {
  static const std::map<std::string, bool, std::less<>> controls = [] {
    std::map<std::string, bool, std::less<>> found;
    auto addAll = [&found](std::span<const CommandOption> options) {
      for (const auto& option : options) {
        if (!option.checkBox.empty()) found[str(option.checkBox)] = true;
        for (auto box : option.uncheckBoxes) {
          if (!box.empty()) found[str(box)] = true;
        }
        for (const auto& choice : option.choices) found[str(choice.checkBox)] = true;
        for (const auto& value : option.values) {
          if (!value.box.empty()) found[str(value.box)] = false;
        }
      }
    };
    addAll(commonCommandOptions());
    for (const auto& entry : operationTable()) addAll(commandOptions(entry.kind));
    return found;
  }();
  return controls;
}

// One operation command of the parser: its kinds (two for "dedupe" and "subtract", told apart
// by their options) and the options of all of them, by name.
struct Command {
  std::string name;
  std::vector<const OperationEntry*> entries;
  CLI::App* app = nullptr;
  std::map<std::string, CLI::Option*> options;  // by the name in the table
  CLI::Option* input = nullptr;
  CLI::Option* output = nullptr;
  CLI::Option* removed = nullptr;
  CLI::Option* quiet = nullptr;
  CLI::Option* progress = nullptr;
  CLI::Option* noProgress = nullptr;
  CLI::Option* set = nullptr;
};

CLI::Option* addTableOption(CLI::App& app, const CommandOption& option) {
  const int count = option.valueCount();
  CLI::Option* added;
  if (count == 0) {
    added = app.add_flag(str(option.name));
  } else {
    added = app.add_option(str(option.name));
    added->expected(count)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    if (!option.positional()) added->type_name(typeName(option));
  }
  added->description(describe(option));
  return added;
}

void buildCommand(CLI::App& root, Command& command) {
  std::string captions;
  for (const auto* entry : command.entries) {
    if (!captions.empty()) captions += " / ";
    captions += entry->caption;
  }
  CLI::App* app = root.add_subcommand(command.name, captions);
  command.app = app;
  app->fallthrough(false);
  std::string footer =
      "Each option sets controls of the window, named by their form names (in "
      "brackets); --set FORMNAME=VALUE sets any of them, and a later setting wins.";
  if (command.entries.size() > 1) {
    footer += "\nWith --column the operation runs " + str(command.entries.back()->caption) + ".";
  }
  app->footer(footer);

  std::set<std::string> seen;
  // Positional arguments first, in the table's order, then INPUT; options after them.
  for (const auto* entry : command.entries) {
    for (const auto& option : commandOptions(entry->kind)) {
      if (!option.positional() || !seen.insert(str(option.name)).second) continue;
      command.options[str(option.name)] = addTableOption(*app, option);
    }
  }
  command.input = app->add_option("INPUT")->description(
      "the file to read, or - for standard input (the default)");
  for (const auto& option : commonCommandOptions()) {
    command.options[str(option.name)] = addTableOption(*app, option);
  }
  for (const auto* entry : command.entries) {
    for (const auto& option : commandOptions(entry->kind)) {
      if (option.positional() || !seen.insert(str(option.name)).second) continue;
      command.options[str(option.name)] = addTableOption(*app, option);
    }
  }
  command.output = app->add_option("-o,--output")
                       ->type_name("FILE")
                       ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
                       ->description("write the result to FILE (- or none: standard output)");
  command.removed = app->add_option("--removed")
                        ->type_name("FILE")
                        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
                        ->description(
                            "write the lines the operation removed to FILE "
                            "(显示上一次被剔除数据)");
  command.quiet = app->add_flag("-q,--quiet")->description("print no information messages");
  command.progress =
      app->add_flag("--progress")->description("show a progress bar on standard error");
  command.noProgress = app->add_flag("--no-progress")
                           ->description("show no progress bar (default: shown on a terminal)");
  command.set =
      app->add_option("--set")
          ->type_name("FORMNAME=VALUE")
          ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
          ->description("set a control of the window by its form name (1/0 for check boxes)");
}

std::vector<Command> buildCommands(CLI::App& root) {
  std::vector<Command> commands;
  for (const auto& entry : operationTable()) {
    auto same = std::find_if(commands.begin(), commands.end(),
                             [&entry](const Command& c) { return c.name == entry.command; });
    if (same == commands.end()) {
      Command command;
      command.name = str(entry.command);
      command.entries = {&entry};
      commands.push_back(std::move(command));
    } else {
      same->entries.push_back(&entry);
    }
  }
  for (auto& command : commands) buildCommand(root, command);
  return commands;
}

// The kind whose options include every option given: the first in table order.
const OperationEntry* chooseEntry(const Command& command) {
  for (const auto* entry : command.entries) {
    auto options = commandOptions(entry->kind);
    bool fits = true;
    for (const auto& [name, option] : command.options) {
      if (option->count() == 0) continue;
      bool common = false;
      for (const auto& c : commonCommandOptions()) common = common || c.name == name;
      if (common) continue;
      bool known = std::any_of(options.begin(), options.end(),
                               [&name](const CommandOption& o) { return o.name == name; });
      fits = fits && known;
    }
    if (fits) return entry;
  }
  // Options of different kinds together (the table has no such mix today).
  throw UsageError{command.name + ": these options cannot be used together"};
}

const CommandOption* findSpec(const OperationEntry& entry, std::string_view name) {
  for (const auto& option : commonCommandOptions()) {
    if (option.name == name) return &option;
  }
  for (const auto& option : commandOptions(entry.kind)) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

void applyOption(const CommandOption& tableOption, const std::vector<std::string>& values,
                 std::vector<Text>& repeated, BatchRequest& request) {
  auto set = [&request](std::string_view form, Text value) {
    request.settings.emplace_back(str(form), std::move(value));
  };
  const std::string name = longName(tableOption.name);
  for (auto box : tableOption.uncheckBoxes) {
    if (!box.empty()) set(box, "0");
  }
  if (!tableOption.checkBox.empty()) set(tableOption.checkBox, "1");
  size_t next = 0;
  for (const auto& value : tableOption.values) {
    if (value.box.empty()) continue;
    const std::string& given = values[next++];
    Text converted = convertValue(given, value, name);
    if (tableOption.repeatable) {
      // Looked for in the UTF-8 form: in GBK the byte of "|" may also be a trail byte.
      if (given.find('|') != std::string::npos) {
        throw UsageError{name + ": a file name may not hold '|', which separates the files"};
      }
      repeated.push_back(converted);
      Text joined;
      for (const auto& part : repeated) joined += (joined.empty() ? "" : "|") + part;
      set(value.box, joined);
    } else {
      set(value.box, std::move(converted));
    }
  }
  if (!tableOption.choices.empty()) {
    std::stringstream words(values[next]);
    std::string word;
    while (std::getline(words, word, ',')) {
      auto choice = std::find_if(tableOption.choices.begin(), tableOption.choices.end(),
                                 [&word](const OptionChoice& c) { return c.word == word; });
      if (choice == tableOption.choices.end()) {
        std::string allowed;
        for (const auto& c : tableOption.choices) allowed += (allowed.empty() ? "" : ",") + str(c.word);
        throw UsageError{name + ": '" + word + "' is not one of " + allowed};
      }
      set(choice->checkBox, "1");
    }
  }
}

void applySet(const std::string& assignment, BatchRequest& request) {
  auto equals = assignment.find('=');
  if (equals == std::string::npos || equals == 0) {
    throw UsageError{"--set: '" + assignment + "' is not FORMNAME=VALUE"};
  }
  const std::string form = assignment.substr(0, equals);
  const std::string value = assignment.substr(equals + 1);
  auto known = knownControls().find(form);
  if (known == knownControls().end()) {
    throw UsageError{"--set: the window has no control named '" + form + "'"};
  }
  if (known->second) {
    if (value != "1" && value != "0") {
      throw UsageError{"--set: " + form + " is a check box: give 1 or 0, not '" + value + "'"};
    }
    request.settings.emplace_back(form, value);
  } else {
    request.settings.emplace_back(form, toGbk(value, "--set " + form, false));
  }
}

// Walks the options in the order they were given, so that a later setting wins.
void fillRequest(const Command& command, BatchRequest& request) {
  const OperationEntry& entry = *chooseEntry(command);
  request.operation = &entry;

  for (const auto& option : commandOptions(entry.kind)) {
    if (option.required && command.options.at(str(option.name))->count() == 0) {
      throw UsageError{command.name + ": " + longName(option.name) + " is required"};
    }
  }

  std::map<const CLI::Option*, size_t> seen;  // values taken so far, per option
  std::map<const CLI::Option*, std::vector<Text>> repeated;
  for (const CLI::Option* given : command.app->parse_order()) {
    size_t index = seen[given]++;
    const std::vector<std::string>& results = given->results();
    if (given == command.set) {
      applySet(results[index], request);
    } else if (given == command.progress) {
      request.progress = true;
    } else if (given == command.noProgress) {
      request.progress = false;
    } else if (given == command.quiet) {
      request.quiet = true;
    } else if (given == command.input || given == command.output || given == command.removed) {
      // Read below: one of each.
    } else {
      for (const auto& [name, option] : command.options) {
        if (option != given) continue;
        const CommandOption* tableOption = findSpec(entry, name);
        const size_t count = size_t(tableOption->valueCount());
        if (count == 0) {
          applyOption(*tableOption, {}, repeated[given], request);
        } else if ((index + 1) % count == 0) {
          std::vector<std::string> values(results.begin() + long(index + 1 - count),
                                          results.begin() + long(index + 1));
          applyOption(*tableOption, values, repeated[given], request);
        }
      }
    }
  }
  for (const auto& [name, option] : command.options) {
    const CommandOption* tableOption = findSpec(entry, name);
    const size_t count = tableOption ? size_t(tableOption->valueCount()) : 0;
    if (count > 1 && option->results().size() % count != 0) {
      throw UsageError{longName(name) + ": needs " + std::to_string(count) + " values (" +
                       typeName(*tableOption) + ")"};
    }
  }

  auto path = [](const CLI::Option* option, std::string_view what) -> std::optional<Text> {
    if (option->count() == 0) return std::nullopt;
    return toGbk(option->results().back(), what, true);
  };
  if (command.input->count() > 0 && command.input->results().back() != "-") {
    request.input = path(command.input, "INPUT");
  }
  if (command.output->count() > 0 && command.output->results().back() != "-") {
    request.output = path(command.output, "--output");
  }
  if (command.removed->count() > 0) {
    if (command.removed->results().back() == "-") {
      throw UsageError{"--removed: give a file; standard output carries the result"};
    }
    request.removed = path(command.removed, "--removed");
  }
  if (request.output && request.removed && *request.output == *request.removed) {
    throw UsageError{"-o and --removed name the same file"};
  }
  if (entry.kind == OperationKind::SplitExport && command.output->count() > 0) {
    throw UsageError{"split: the parts are written into DIR; -o is not used"};
  }
}

}  // namespace

int parseCommandLine(int argc, const char* const* argv, Console& console, BatchRequest& request) {
  CLI::App root{
      "Runs one operation of the Quorvan text tool over INPUT (GBK text, one record "
      "per line) and writes the result as 导出 does (CR LF after every line).",
      str(kProgram)};
  root.require_subcommand(1, 1);
  root.footer(
      "Run 'quorvan-cli OPERATION -h' for the options of an operation.\n"
      "Exit status: 0 when the operation ran, 1 when a file could not be read or "
      "written, 2 for a usage error or a refused setting.");
  std::vector<Command> commands = buildCommands(root);

  // CLI11 would only say that an operation is required.
  if (argc >= 2 && argv[1][0] != '-' &&
      std::none_of(
          commands.begin(), commands.end(),
          [name = std::string_view(argv[1])](const Command& c) { return c.name == name; })) {
    console.error(str(kProgram) + ": '" + argv[1] +
                  "' is not an operation; 'quorvan-cli -h' lists them.");
    return kExitRefused;
  }
  try {
    root.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return root.exit(help) == 0 ? kExitRan : kExitRefused;
  } catch (const CLI::CallForAllHelp& help) {
    return root.exit(help) == 0 ? kExitRan : kExitRefused;
  } catch (const CLI::ParseError& error) {
    console.error(str(kProgram) + ": " + error.what());
    console.error("Run 'quorvan-cli -h' or 'quorvan-cli OPERATION -h' for help.");
    return kExitRefused;
  }

  try {
    for (const auto& command : commands) {
      if (command.app->parsed()) fillRequest(command, request);
    }
  } catch (const UsageError& error) {
    console.error(str(kProgram) + ": " + error.text);
    return kExitRefused;
  } catch (const PathError& error) {
    console.error(str(kProgram) + ": " + error.text);
    return kExitFileError;
  }
  return -1;
}

}  // namespace quorvan::cli
