#pragma once
// RecordingHost: a JobHost for tests that keeps every call in order and serves control values
// by form name. Safe to use from a job's thread while the test thread reads it.
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "core/job_host.h"

namespace quorvan::testing {

class RecordingHost : public JobHost {
 public:
  // Control values (control texts are given in UTF-8 and served as GBK).
  void setText(std::string_view formName, std::string_view utf8Text);
  void setGbkText(std::string_view formName, TextView gbkText);
  void setChecked(std::string_view formName, bool checked);
  // The answers of the file dialog, in order (GBK paths); nothing left means "cancel".
  void answerDialog(TextView gbkPath);
  void answerDialogCancel();

  // Every call so far, one line each: "setEnabled 按钮1 0", "setProgressBar 0",
  // "clearItems", "setItemCount 3", "showMessage info <UTF-8 text>", "setControlText 编辑框11 <UTF-8>",
  // "chooseFile open|save". Reads of controls are not recorded.
  std::vector<std::string> calls() const;
  // Only the calls that begin with the given word.
  std::vector<std::string> calls(std::string_view word) const;
  void clearCalls();
  // The messages shown (UTF-8), and the last one.
  std::vector<std::string> messages() const;
  std::string lastMessage() const;
  std::vector<FileDialogRequest> dialogRequests() const;
  Text text(std::string_view formName) const;

  Text controlText(std::string_view formName) override;
  bool isChecked(std::string_view formName) override;
  void setControlText(std::string_view formName, TextView text) override;
  void setEnabled(std::string_view formName, bool enabled) override;
  void setProgressBar(int32_t position) override;
  void clearItems() override;
  void setItemCount(int32_t count) override;
  void showMessage(TextView text, MessageIcon icon) override;
  std::optional<Text> chooseFile(const FileDialogRequest& request) override;

 private:
  void record(std::string call);

  mutable std::mutex mutex_;
  std::map<std::string, Text, std::less<>> texts_;
  std::map<std::string, bool, std::less<>> checks_;
  std::deque<std::optional<Text>> answers_;
  std::vector<std::string> calls_;
  std::vector<std::string> messages_;
  std::vector<FileDialogRequest> requests_;
};

}  // namespace quorvan::testing
