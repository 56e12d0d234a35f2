#include "io/file_messages.h"

#include "core/numbers.h"

namespace quorvan {

namespace {

// The prefix, the path, and the reason on a line of its own.
Text pathMessage(std::string_view utf8Prefix, TextView path, std::string_view reason) {
  Text text = gbk(utf8Prefix);
  text.append(path);
  if (!reason.empty()) {
    text += '\n';
    text.append(reason);
  }
  return text;
}

}  // namespace

Text cannotReadMessage(TextView path, std::string_view reason) {
  return pathMessage("注意：无法读取文件：", path, reason);
}

Text cannotReadMessage(TextView path, const ReadOutcome& outcome) {
  switch (outcome.kind) {
    case ReadOutcome::Kind::Utf16:
      return cannotReadMessage(path, gbk("文件是 UTF-16 编码，请先转换为 GBK 编码。"));
    case ReadOutcome::Kind::TooManyLines:
      return cannotReadMessage(path, gbk("文件的行数超过 2147483647 行。"));
    case ReadOutcome::Kind::OutOfMemory:
      return cannotReadMessage(path, gbk("内存不足。"));
    default:
      return cannotReadMessage(path, outcome.reason);
  }
}

Text cannotWriteMessage(TextView path, std::string_view reason) {
  return pathMessage("注意：无法写入文件：", path, reason);
}

Text stoppedEarlyNote(const ReadOutcome& outcome) {
  if (outcome.kind != ReadOutcome::Kind::StoppedEarly) return Text();
  return gbk("\n注意：文件在第 ") + numberToText(outcome.stopOffset + 1) +
         gbk(" 字节处有结束符（NUL 或 SUB），其后的数据没有读取！");
}

}  // namespace quorvan
