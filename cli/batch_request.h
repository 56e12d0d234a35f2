#pragma once
// BatchRequest: one run of the batch tool, as the command line asks for it.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/operation_kind.h"
#include "core/text.h"

namespace quorvan::cli {

struct BatchRequest {
  const OperationEntry* operation = nullptr;
  // Control values by form name (GBK; check boxes "1" or "0"), in the order given: a later
  // value for the same control wins.
  std::vector<std::pair<std::string, Text>> settings;
  std::optional<Text> input;    // GBK path; nothing: standard input
  std::optional<Text> output;   // GBK path; nothing: standard output
  std::optional<Text> removed;  // GBK path of the removed lines; nothing: not written
  bool quiet = false;
  std::optional<bool> progress;  // nothing: shown when standard error is a terminal
};

}  // namespace quorvan::cli
