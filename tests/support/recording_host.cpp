#include "tests/support/recording_host.h"

#include "platform/gbk.h"

namespace quorvan::testing {

void RecordingHost::setText(std::string_view formName, std::string_view utf8Text) {
  setGbkText(formName, gbk(utf8Text));
}

void RecordingHost::setGbkText(std::string_view formName, TextView gbkText) {
  std::lock_guard lock(mutex_);
  texts_[std::string(formName)] = Text(gbkText);
}

void RecordingHost::setChecked(std::string_view formName, bool checked) {
  std::lock_guard lock(mutex_);
  checks_[std::string(formName)] = checked;
}

void RecordingHost::answerDialog(TextView gbkPath) {
  std::lock_guard lock(mutex_);
  answers_.emplace_back(Text(gbkPath));
}

void RecordingHost::answerDialogCancel() {
  std::lock_guard lock(mutex_);
  answers_.emplace_back(std::nullopt);
}

std::vector<std::string> RecordingHost::calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

std::vector<std::string> RecordingHost::calls(std::string_view word) const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> found;
  for (const auto& call : calls_) {
    if (call.compare(0, word.size(), word) == 0) found.push_back(call);
  }
  return found;
}

void RecordingHost::clearCalls() {
  std::lock_guard lock(mutex_);
  calls_.clear();
  messages_.clear();
}

std::vector<std::string> RecordingHost::messages() const {
  std::lock_guard lock(mutex_);
  return messages_;
}

std::string RecordingHost::lastMessage() const {
  std::lock_guard lock(mutex_);
  return messages_.empty() ? std::string() : messages_.back();
}

std::vector<FileDialogRequest> RecordingHost::dialogRequests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

Text RecordingHost::text(std::string_view formName) const {
  std::lock_guard lock(mutex_);
  auto found = texts_.find(formName);
  return found == texts_.end() ? Text() : found->second;
}

void RecordingHost::record(std::string call) {
  std::lock_guard lock(mutex_);
  calls_.push_back(std::move(call));
}

Text RecordingHost::controlText(std::string_view formName) { return text(formName); }

bool RecordingHost::isChecked(std::string_view formName) {
  std::lock_guard lock(mutex_);
  auto found = checks_.find(formName);
  return found != checks_.end() && found->second;
}

void RecordingHost::setControlText(std::string_view formName, TextView text) {
  record("setControlText " + std::string(formName) + " " + platform::gbkToUtf8Lossy(text));
  setGbkText(formName, text);
}

void RecordingHost::setEnabled(std::string_view formName, bool enabled) {
  record("setEnabled " + std::string(formName) + (enabled ? " 1" : " 0"));
}

void RecordingHost::setProgressBar(int32_t position) {
  record("setProgressBar " + std::to_string(position));
}

void RecordingHost::clearItems() { record("clearItems"); }

void RecordingHost::setItemCount(int32_t count) { record("setItemCount " + std::to_string(count)); }

void RecordingHost::showMessage(TextView text, MessageIcon icon) {
  std::string utf8 = platform::gbkToUtf8Lossy(text);
  record(std::string("showMessage ") + (icon == MessageIcon::Error ? "error " : "info ") + utf8);
  std::lock_guard lock(mutex_);
  messages_.push_back(utf8);
}

std::optional<Text> RecordingHost::chooseFile(const FileDialogRequest& request) {
  record(request.save ? "chooseFile save" : "chooseFile open");
  std::lock_guard lock(mutex_);
  requests_.push_back(request);
  if (answers_.empty()) return std::nullopt;
  auto answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace quorvan::testing
