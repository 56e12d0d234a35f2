#include "cli/silent_refusals.h"

#include "core/numbers.h"
#include "ops/operation_options.h"
#include "platform/files.h"

namespace quorvan::cli {
namespace {

// The edit box that the operation's option `name` fills (its first value), from the one table.
std::string_view boxOf(OperationKind kind, std::string_view name) {
  for (const auto& option : commandOptions(kind)) {
    if (option.name == name) return option.values[0].box;
  }
  return {};
}

}  // namespace

std::optional<Text> silentRefusal(OperationKind kind, JobHost& host, int32_t lineCount) {
  using K = OperationKind;
  auto text = [&](std::string_view option) { return host.controlText(boxOf(kind, option)); };
  auto number = [&](std::string_view option) { return toInt(text(option)); };
  const Text badColumn = gbk("注意：列位置错误！");
  switch (kind) {
    case K::SwapColumns:
      if (number("A") < 1 || number("B") < 1) return badColumn;
      if (number("A") == number("B")) return gbk("注意：两个列位置相同！");
      return std::nullopt;
    case K::DeleteColumn:
      if (number("N") < 1) return badColumn;
      return std::nullopt;
    case K::AppendSuffix:
    case K::FilterLines:
    case K::FilterMobileNumbers:
      if (number("--column") < 1) return badColumn;
      return std::nullopt;
    case K::ReplaceText:
      if (text("FIND").empty()) return gbk("注意：没有需要查找的文本！");
      return std::nullopt;
    case K::SubtractFile:
      if (!platform::fileExists(text("FILE"))) return gbk("注意：没有对比文件！");
      return std::nullopt;
    case K::AppendBlankLines: {
      if (text("N").empty()) return gbk("注意：没有行数！");
      const int32_t n = number("N");
      if (n < 0 && int64_t(lineCount) + n < 0) return gbk("注意：要去掉的行数多于现有的行数！");
      return std::nullopt;
    }
    case K::SplitExport:
      if (number("N") <= 0) return gbk("注意：分割份数错误！");
      if (!platform::fileExists(text("DIR"))) return gbk("注意：没有写出目录！");
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace quorvan::cli
