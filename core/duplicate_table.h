#pragma once
// DuplicateTable: the CRC-32 bucket table behind duplicate removal.

namespace quorvan {

struct DuplicateTable {};

}  // namespace quorvan
