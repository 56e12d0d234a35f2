#include "core/text_primitives.h"

#include <cstring>

namespace quorvan {
namespace {

bool standsAt(TextView t, size_t pos, TextView part) {
  // The first byte alone rules out almost every position, without a call.
  return t.size() - pos >= part.size() && t[pos] == part[0] &&
         std::memcmp(t.data() + pos, part.data(), part.size()) == 0;
}

// The byte length of the space character at pos, or 0 when no space starts there.
size_t spaceAt(TextView t, size_t pos) {
  if (t[pos] == ' ') return 1;
  if (pos + 1 < t.size() && static_cast<unsigned char>(t[pos]) == 0xA1 &&
      static_cast<unsigned char>(t[pos + 1]) == 0xA1)
    return 2;
  return 0;
}

}  // namespace

TextView textLeft(TextView t, int64_t n) {
  if (n <= 0) return {};
  return t.substr(0, size_t(std::min<int64_t>(n, textLength(t))));
}

TextView textRight(TextView t, int64_t n) {
  if (n <= 0) return {};
  size_t take = size_t(std::min<int64_t>(n, textLength(t)));
  return t.substr(t.size() - take);
}

TextView textMid(TextView t, int64_t start, int64_t n) {
  if (start < 1 || start > textLength(t) || n <= 0) return {};
  return t.substr(size_t(start - 1), size_t(std::min<int64_t>(n, textLength(t) - start + 1)));
}

int64_t findText(TextView t, TextView part) {
  if (t.empty()) return -1;
  if (part.empty()) return 1;
  for (size_t pos = 0; t.size() - pos >= part.size(); pos += characterLength(t, pos)) {
    if (standsAt(t, pos, part)) return int64_t(pos) + 1;
  }
  return -1;
}

std::vector<TextView> splitViews(TextView t, TextView separator) {
  std::vector<TextView> pieces;
  splitViewsInto(t, separator, pieces);
  return pieces;
}

void splitViewsInto(TextView t, TextView separator, std::vector<TextView>& pieces) {
  pieces.clear();
  if (t.empty()) return;
  if (separator.empty()) {
    pieces.push_back(t);
    return;
  }
  size_t start = 0;
  size_t pos = 0;
  while (t.size() - pos >= separator.size()) {
    if (standsAt(t, pos, separator)) {
      pieces.push_back(t.substr(start, pos - start));
      pos += separator.size();
      start = pos;
    } else {
      pos += characterLength(t, pos);
    }
  }
  if (start < t.size()) pieces.push_back(t.substr(start));
}

std::vector<Text> splitText(TextView t, TextView separator) {
  std::vector<Text> pieces;
  for (TextView piece : splitViews(t, separator)) pieces.emplace_back(piece);
  return pieces;
}

Text replaceSubtext(TextView t, TextView part, TextView replacement) {
  if (t.empty() || part.empty()) return Text(t);
  Text result;
  result.reserve(t.size());
  size_t pos = 0;
  while (t.size() - pos >= part.size()) {
    if (standsAt(t, pos, part)) {
      result.append(replacement);
      pos += part.size();
    } else {
      size_t n = characterLength(t, pos);
      result.append(t.substr(pos, n));
      pos += n;
    }
  }
  result.append(t.substr(pos));
  return result;
}

TextView trimBothEnds(TextView t) {
  size_t begin = 0;
  while (begin < t.size()) {
    size_t n = spaceAt(t, begin);
    if (n == 0) break;
    begin += n;
  }
  size_t end = t.size();
  size_t runStart = TextView::npos;  // where the run of spaces reaching the end begins
  for (size_t pos = begin; pos < t.size();) {
    size_t n = spaceAt(t, pos);
    if (n > 0) {
      if (runStart == TextView::npos) runStart = pos;
      pos += n;
    } else {
      runStart = TextView::npos;
      pos += characterLength(t, pos);
    }
  }
  if (runStart != TextView::npos) end = runStart;
  return t.substr(begin, end - begin);
}

Text removeAllSpaces(TextView t) {
  Text result;
  result.reserve(t.size());
  for (size_t pos = 0; pos < t.size();) {
    size_t n = spaceAt(t, pos);
    if (n > 0) {
      pos += n;
      continue;
    }
    n = characterLength(t, pos);
    result.append(t.substr(pos, n));
    pos += n;
  }
  return result;
}

Text toUpperCase(TextView t) {
  Text result(t);
  for (size_t pos = 0; pos < result.size();) {
    size_t n = characterLength(result, pos);
    if (n == 1 && result[pos] >= 'a' && result[pos] <= 'z') result[pos] = char(result[pos] - 32);
    pos += n;
  }
  return result;
}

Text charFromCode(int64_t code) {
  auto byte = static_cast<unsigned char>(((code % 256) + 256) % 256);
  if (byte == 0) return Text();
  return Text(1, char(byte));
}

}  // namespace quorvan
