#pragma once
// The cells of the list view: what the window's list asks for, and how the working lines answer.
//
// Plain C++ (no Qt), so the answer can be checked without a window. Called on the window thread
// only, and only while the list shows rows (jobs empty the list before they change the lines).
#include <cstddef>
#include <cstdint>

#include "core/line_list.h"

namespace quorvan::ui {

// One cell request: the handler may change `image` and `param`.
struct ListItemRequest {
  int32_t row = 0;     // 0-based
  int32_t column = 0;  // 0-based
  int32_t image = 0;
  int32_t param = 0;
};

// The text buffer handed to an item-text handler: zero-filled before every call; the cell
// shows the bytes up to the first zero, so at most kItemTextBufferSize - 1 bytes of text.
inline constexpr size_t kItemTextBufferSize = 1024;

// The bytes of `line` that fit into the buffer with its terminating zero: the whole line, or
// for a line of kItemTextBufferSize bytes or more its first part, cut between two characters
// so that no double-byte character is split.
size_t fittingLength(TextView line);

// The program's item-text handler: column 0 shows the 1-based row number, any other column
// the line at that row. Writes GBK bytes, never past the buffer; a row the lines do not have
// leaves the cell empty.
void fillListItem(const LineList& lines, ListItemRequest& request, char* buffer);

}  // namespace quorvan::ui
