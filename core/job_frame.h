#pragma once
// The job frame: the fixed steps around every job, in the order the window must see them.
#include "core/job.h"

namespace quorvan {

// Form names of the five frame controls, in the order the frame disables and enables them.
inline constexpr std::string_view kImportButton = "按钮1";
inline constexpr std::string_view kExportButton = "按钮2";
inline constexpr std::string_view kStartButton = "按钮3";
inline constexpr std::string_view kRemovedLinesButton = "按钮5";
inline constexpr std::string_view kOperationGroup = "分组框1";
inline constexpr std::string_view kSettingsTabs = "选择夹2";

// Disables the five controls, sets progress to 0, and empties the list view (unless the job
// only reads the lines).
void openJobFrame(Job& job, bool clearList = true);
// Sets progress to 100, restores the list view's row count (unless the job never emptied
// it), and enables the five controls when no other job holds them.
void closeJobFrame(Job& job, bool restoreCount = true);
// The lighter frame of import, export and the removed-lines write: the three file buttons.
void openFileFrame(Job& job);
void closeFileFrame(Job& job);
// For a job that ends before opening its frame: gives back the controls that startJob took.
// Call it before showing a message, so the window is usable while the message is open.
void leaveWithoutFrame(Job& job);

}  // namespace quorvan
