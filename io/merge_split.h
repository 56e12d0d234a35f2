#pragma once
// Merge files and split export: "合并文件", "分割导出".
#include <string_view>

#include "core/job.h"

namespace quorvan {

// Form names of the two panels.
inline constexpr std::string_view kMergeFilesBox = "编辑框11";
inline constexpr std::string_view kSplitPartsBox = "编辑框34";
inline constexpr std::string_view kSplitFolderBox = "编辑框36";

// The part of the path after its last backslash, slash or drive colon (walking along
// characters, so the second byte of a double-byte character never counts as a backslash); the
// whole path when it has none.
TextView fileNameOf(TextView path);

// Appends the non-empty lines of every file listed in "编辑框11" ("|" between paths), in order,
// and empties the box. A file that cannot be read adds nothing and is named in the closing
// message.
void MergeFiles(Job& job);

// Writes the working lines into "分割成：" parts in the chosen folder, named part number, "_"
// and the last imported file's name; the last part also takes the lines left over. The parts
// appear only when all of them were written; otherwise no file of those names changes.
void SplitExport(Job& job);

}  // namespace quorvan
