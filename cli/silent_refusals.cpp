#include "cli/silent_refusals.h"

#include "core/numbers.h"
#include "platform/files.h"

namespace quorvan::cli {
namespace {

int32_t number(JobHost& host, std::string_view box) { return toInt(host.controlText(box)); }

}  // namespace

std::optional<Text> silentRefusal(OperationKind kind, JobHost& host, int32_t lineCount) {
  using K = OperationKind;
  const Text badColumn = gbk("注意：列位置错误！");
  switch (kind) {
    case K::SwapColumns: {
      const int32_t a = number(host, "编辑框2");
      const int32_t b = number(host, "编辑框3");
      if (a < 1 || b < 1) return badColumn;
      if (a == b) return gbk("注意：两个列位置相同！");
      return std::nullopt;
    }
    case K::DeleteColumn:
      if (number(host, "编辑框5") < 1) return badColumn;
      return std::nullopt;
    case K::AppendSuffix:
      if (number(host, "编辑框8") < 1) return badColumn;
      return std::nullopt;
    case K::ReplaceText:
      if (host.controlText("编辑框4").empty()) return gbk("注意：没有需要查找的文本！");
      return std::nullopt;
    case K::FilterLines:
      if (number(host, "编辑框10") < 1) return badColumn;
      return std::nullopt;
    case K::FilterMobileNumbers:
      if (number(host, "编辑框25") < 1) return badColumn;
      return std::nullopt;
    case K::SubtractFile:
      if (!platform::fileExists(host.controlText("编辑框26"))) return gbk("注意：没有对比文件！");
      return std::nullopt;
    case K::AppendBlankLines: {
      const Text count = host.controlText("编辑框31");
      if (count.empty()) return gbk("注意：没有行数！");
      const int32_t n = toInt(count);
      if (n < 0 && int64_t(lineCount) + n < 0) return gbk("注意：要去掉的行数多于现有的行数！");
      return std::nullopt;
    }
    case K::SplitExport:
      if (number(host, "编辑框34") <= 0) return gbk("注意：分割份数错误！");
      if (!platform::fileExists(host.controlText("编辑框36"))) return gbk("注意：没有写出目录！");
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace quorvan::cli
