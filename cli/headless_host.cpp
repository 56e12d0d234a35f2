#include "cli/headless_host.h"

#include "platform/gbk.h"

namespace quorvan::cli {

void HeadlessHost::setControl(std::string_view formName, Text value) {
  controls_.insert_or_assign(std::string(formName), std::move(value));
}

void HeadlessHost::setDialogAnswers(std::optional<Text> open, std::optional<Text> save) {
  openAnswer_ = std::move(open);
  saveAnswer_ = std::move(save);
}

Text HeadlessHost::controlText(std::string_view formName) {
  auto found = controls_.find(formName);
  return found == controls_.end() ? Text() : found->second;
}

bool HeadlessHost::isChecked(std::string_view formName) { return controlText(formName) == "1"; }

void HeadlessHost::setControlText(std::string_view formName, TextView text) {
  setControl(formName, Text(text));
}

void HeadlessHost::showMessage(TextView text, MessageIcon icon) {
  messages_.push_back({Text(text), icon});
  const std::string utf8 = platform::gbkToUtf8Lossy(text);
  if (icon == MessageIcon::Error) {
    console_.error(utf8);
  } else {
    console_.information(utf8);
  }
}

std::optional<Text> HeadlessHost::chooseFile(const FileDialogRequest& request) {
  return request.save ? saveAnswer_ : openAnswer_;
}

}  // namespace quorvan::cli
