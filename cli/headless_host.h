#pragma once
// HeadlessHost: the window as the batch tool plays it.
//
// It holds the control values by form name (set from the command line, GBK), answers the file
// dialog with the paths given on the command line as the window's user would, prints every
// message on the console and keeps it, so the run can be judged afterwards. Frame controls,
// the progress bar and the list view have nothing to show: the console draws its own bar
// from the progress value. Used from one thread.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/console.h"
#include "core/job_host.h"

namespace quorvan::cli {

class HeadlessHost : public JobHost {
 public:
  explicit HeadlessHost(Console& console) : console_(console) {}

  // An edit box's text, or a check box's state as "1" or "0" (GBK).
  void setControl(std::string_view formName, Text value);
  // What the file dialog returns when it is opened to open or to save; nothing is "cancel".
  void setDialogAnswers(std::optional<Text> open, std::optional<Text> save);

  struct Message {
    Text text;  // GBK
    MessageIcon icon;
  };
  const std::vector<Message>& messages() const { return messages_; }

  Text controlText(std::string_view formName) override;
  bool isChecked(std::string_view formName) override;
  void setControlText(std::string_view formName, TextView text) override;
  void setEnabled(std::string_view, bool) override {}
  void setProgressBar(int32_t) override {}
  void clearItems() override {}
  void setItemCount(int32_t) override {}
  void showMessage(TextView text, MessageIcon icon) override;
  std::optional<Text> chooseFile(const FileDialogRequest& request) override;

 private:
  Console& console_;
  std::map<std::string, Text, std::less<>> controls_;
  std::optional<Text> openAnswer_;
  std::optional<Text> saveAnswer_;
  std::vector<Message> messages_;
};

}  // namespace quorvan::cli
