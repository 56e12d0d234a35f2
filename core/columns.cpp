#include "core/columns.h"

#include "core/text_primitives.h"

namespace quorvan {
namespace {

template <class Piece>
Text join(std::span<const Piece> columns, TextView delimiter) {
  Text line;
  for (const auto& column : columns) {
    line.append(column);
    line.append(delimiter);
  }
  // textLeft(line, length - delimiter length): the final delimiter is cut off.
  return Text(textLeft(line, textLength(line) - textLength(delimiter)));
}

}  // namespace

TextView columnValue(TextView line, TextView delimiter, int32_t k) {
  if (k < 1 || line.empty()) return {};
  // Walk to column k without building the whole column list.
  if (delimiter.empty()) return k == 1 ? line : TextView();
  int32_t column = 1;
  size_t start = 0;
  size_t pos = 0;
  while (line.size() - pos >= delimiter.size()) {
    if (line[pos] == delimiter[0] && line.compare(pos, delimiter.size(), delimiter) == 0) {
      if (column == k) return line.substr(start, pos - start);
      ++column;
      pos += delimiter.size();
      start = pos;
    } else {
      pos += characterLength(line, pos);
    }
  }
  return column == k ? line.substr(start) : TextView();
}

Text joinColumns(std::span<const TextView> columns, TextView delimiter) {
  return join(columns, delimiter);
}

Text joinColumns(std::span<const Text> columns, TextView delimiter) {
  return join(columns, delimiter);
}

Text joinNonBlankColumns(std::span<const TextView> columns, TextView delimiter) {
  std::vector<TextView> kept;
  kept.reserve(columns.size());
  for (TextView column : columns) {
    // Trimming leaves nothing exactly when removeAllSpaces would: a column of spaces only.
    TextView trimmed = trimBothEnds(column);
    if (!trimmed.empty()) kept.push_back(trimmed);
  }
  return join(std::span<const TextView>(kept), delimiter);
}

const Text& noDelimiterMessage() {
  static const Text text = gbk("注意：没有分隔符！");
  return text;
}

const Text& noDelimiterOrSuffixMessage() {
  static const Text text = gbk("注意：没有分隔符或需要加的后缀！");
  return text;
}

const Text& noDelimiterOrBadColumnMessage() {
  static const Text text = gbk("注意：没有分隔符或列位置错误！");
  return text;
}

}  // namespace quorvan
