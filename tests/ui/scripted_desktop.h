#pragma once
// ScriptedDesktop: the window's desktop for tests. Dialogs take their answers from queues,
// every message, question, clipboard text, address and modal window is recorded, and closing
// messages stay open until the test dismisses them (or are dismissed at once).
#include <QDialog>
#include <deque>
#include <vector>

#include "ui/desktop.h"

namespace quorvan::testing {

class ScriptedDesktop final : public ui::Desktop {
 public:
  struct Message {
    QString text;
    MessageIcon icon;
    bool modal;
  };
  struct ModalWindow {
    QString title;
    QSize size;
    std::vector<std::pair<QString, QRect>> children;  // object name, geometry
  };

  // Answers, in order; an empty queue, or a null text, cancels.
  std::deque<QString> fileAnswers;
  std::deque<QStringList> filesAnswers;
  std::deque<QString> folderAnswers;
  bool answerYes = true;
  // Keep closing messages open until dismiss(); otherwise they are dismissed at once.
  bool holdMessages = false;

  std::vector<Message> messages;
  std::vector<ui::FileDialogSpec> fileDialogs;
  std::vector<QString> dialogTitles;
  std::vector<QString> folderStarts;
  std::vector<QString> questions;
  std::vector<QString> clipboard;
  std::vector<QString> urls;
  std::vector<ModalWindow> modalWindows;

  // Closing messages still open.
  size_t openMessages() const {
    size_t open = 0;
    for (const auto& dismiss : pending_) open += dismiss ? 1 : 0;
    return open;
  }
  // Dismisses the closing message shown as the n-th modeless one (0-based).
  void dismiss(size_t n) {
    if (n < pending_.size() && pending_[n]) std::exchange(pending_[n], nullptr)();
  }
  QStringList texts() const {
    QStringList all;
    for (const auto& message : messages) all << message.text;
    return all;
  }

  std::optional<QString> chooseFile(QWidget*, const ui::FileDialogSpec& request) override {
    fileDialogs.push_back(request);
    const QString answer = take(fileAnswers, QString());
    if (answer.isNull()) return std::nullopt;
    return answer;
  }
  QStringList chooseFiles(QWidget*, const QString& title, const QString&) override {
    dialogTitles.push_back(title);
    return take(filesAnswers, QStringList());
  }
  QString chooseFolder(QWidget*, const QString& title, const QString& start) override {
    dialogTitles.push_back(title);
    folderStarts.push_back(start);
    return take(folderAnswers, QString());
  }
  void showMessage(QWidget*, const QString& text, MessageIcon icon) override {
    messages.push_back({text, icon, true});
  }
  void showModelessMessage(const QString& text, MessageIcon icon,
                           std::function<void()> dismissed) override {
    messages.push_back({text, icon, false});
    pending_.push_back(std::move(dismissed));
    if (!holdMessages) dismiss(pending_.size() - 1);
  }
  void dismissAll() override {
    for (size_t n = 0; n < pending_.size(); ++n) dismiss(n);
  }
  bool askYesNo(QWidget*, const QString& text) override {
    questions.push_back(text);
    return answerYes;
  }
  void setClipboardText(const QString& text) override { clipboard.push_back(text); }
  void openUrl(const QString& url) override { urls.push_back(url); }
  void runModal(QDialog& dialog) override {
    ModalWindow seen{dialog.windowTitle(), dialog.size(), {}};
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      seen.children.emplace_back(child->objectName(), child->geometry());
    }
    modalWindows.push_back(seen);
  }

 private:
  template <class Queue, class Value>
  static Value take(Queue& queue, Value none) {
    if (queue.empty()) return none;
    Value answer = queue.front();
    queue.pop_front();
    return answer;
  }

  std::vector<std::function<void()>> pending_;
};

}  // namespace quorvan::testing
