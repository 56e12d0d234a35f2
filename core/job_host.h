#pragma once
// JobHost: everything a job needs of the window, and nothing more.
//
// The window, the batch tool and the tests implement it. Jobs call it from their own thread;
// each call has taken effect on the window when it returns, so the window sees the calls in
// the order the job makes them. startJob also calls setEnabled from the window's own thread,
// where the call takes effect at once.
//
// Form names ("编辑框1", "选择框22", "按钮3" ...) are UTF-8 literals of the program; control
// texts, messages and paths are GBK.
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/text.h"

namespace quorvan {

enum class MessageIcon { Information, Error };

// A request to the window's one file dialog ("通用对话框1"). The dialog keeps its mode, filter,
// default extension and file name between uses; a field left empty here keeps the dialog's
// previous value, and the name chosen last is offered at the next opening.
struct FileDialogRequest {
  bool save = false;
  std::optional<Text> filter;            // GBK, "文本文件 .txt|*.txt" form
  std::optional<Text> defaultExtension;  // without the dot, added when a name has none
};

class JobHost {
 public:
  virtual ~JobHost() = default;

  // The text of an edit box (GBK), or the empty text for an unknown name.
  virtual Text controlText(std::string_view formName) = 0;
  // The ticked state of a check box or radio button.
  virtual bool isChecked(std::string_view formName) = 0;
  virtual void setControlText(std::string_view formName, TextView text) = 0;
  virtual void setEnabled(std::string_view formName, bool enabled) = 0;
  // The progress bar "进度条1", 0 ... 100.
  virtual void setProgressBar(int32_t position) = 0;
  // The list view: no rows, or `count` rows (it then asks for the visible cells only).
  virtual void clearItems() = 0;
  virtual void setItemCount(int32_t count) = 0;
  // A closing or refusal message. From a job's thread it does not block the window; the call
  // returns when the user has dismissed it.
  virtual void showMessage(TextView text, MessageIcon icon) = 0;
  // Shows the file dialog; the chosen path (GBK), or nothing when the user cancels.
  virtual std::optional<Text> chooseFile(const FileDialogRequest& request) = 0;
};

}  // namespace quorvan
