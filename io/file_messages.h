#pragma once
// The messages of the jobs that read and write files (GBK).
#include <string_view>

#include "core/text.h"
#include "io/counted_reading.h"

namespace quorvan {

// "注意：无法读取文件：" + path, then the reason on a line of its own.
Text cannotReadMessage(TextView path, std::string_view reason);
// The message for a read whose outcome is not usable.
Text cannotReadMessage(TextView path, const ReadOutcome& outcome);
// "注意：无法写入文件：" + path, then the reason on a line of its own.
Text cannotWriteMessage(TextView path, std::string_view reason);
// The line added to a closing message when a NUL or SUB byte ended the data early (empty when
// the file was read to its end).
Text stoppedEarlyNote(const ReadOutcome& outcome);

}  // namespace quorvan
