#pragma once
// QtDesktop: the real desktop, through Qt's dialogs, message boxes, clipboard and browser.
#include <QPointer>
#include <vector>

#include "ui/desktop.h"

class QMessageBox;

namespace quorvan::ui {

class QtDesktop final : public Desktop {
 public:
  ~QtDesktop() override;

  std::optional<QString> chooseFile(QWidget* owner, const FileDialogSpec& request) override;
  QStringList chooseFiles(QWidget* owner, const QString& title, const QString& filter) override;
  QString chooseFolder(QWidget* owner, const QString& title, const QString& start) override;
  void showMessage(QWidget* owner, const QString& text, MessageIcon icon) override;
  void showModelessMessage(const QString& text, MessageIcon icon,
                           std::function<void()> dismissed) override;
  void dismissAll() override;
  bool askYesNo(QWidget* owner, const QString& text) override;
  void setClipboardText(const QString& text) override;
  void openUrl(const QString& url) override;
  void runModal(QDialog& dialog) override;

 private:
  std::vector<QPointer<QMessageBox>> open_;
};

// The title of every message box.
QString messageTitle();

}  // namespace quorvan::ui
