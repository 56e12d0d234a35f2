#include "ui/list_items.h"

#include <cstring>

#include "core/numbers.h"

namespace quorvan::ui {

size_t fittingLength(TextView line) {
  constexpr size_t room = kItemTextBufferSize - 1;
  if (line.size() <= room) return line.size();
  size_t pos = 0;
  while (pos < line.size()) {
    size_t length = characterLength(line, pos);
    if (pos + length > room) break;
    pos += length;
  }
  return pos;
}

void fillListItem(const LineList& lines, ListItemRequest& request, char* buffer) {
  if (request.row < 0 || request.row >= lines.count()) return;
  if (request.column == 0) {
    const Text number = numberToText(double(request.row) + 1.0);
    std::memcpy(buffer, number.data(), fittingLength(number));
    return;
  }
  const TextView line = lines.at(request.row + 1);
  // An empty line may have no bytes at all behind it; the buffer's zero fill already says "".
  if (!line.empty()) std::memcpy(buffer, line.data(), fittingLength(line));
}

}  // namespace quorvan::ui
