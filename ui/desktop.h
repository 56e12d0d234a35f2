#pragma once
// Desktop: the window's one way to the user's desktop: file and folder dialogs, message boxes,
// the question before closing, the clipboard, the web browser and modal windows.
//
// The program uses QtDesktop; tests put a scripted one in its place to choose files, press
// OK or Yes, and read what was shown. Window thread only.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/job_host.h"

class QDialog;
class QWidget;

namespace quorvan::ui {

// The state of the window's shared file dialog for one opening: open or save, the filter in
// Qt's form ("文本文件 .txt (*.txt)"), and the file name it offers (empty: the home folder).
struct FileDialogSpec {
  bool save = false;
  QString filter;
  QString fileName;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // A modal file dialog; the chosen path, or nothing when cancelled. An open dialog accepts
  // the name of a file that does not exist; a save dialog asks nothing about an existing file.
  virtual std::optional<QString> chooseFile(QWidget* owner, const FileDialogSpec& request) = 0;
  // A modal dialog for several existing files; the paths in the dialog's order (empty: cancel).
  virtual QStringList chooseFiles(QWidget* owner, const QString& title, const QString& filter) = 0;
  // A modal folder dialog; the chosen folder, or the empty text when cancelled.
  virtual QString chooseFolder(QWidget* owner, const QString& title, const QString& start) = 0;

  // A message that blocks the window until it is dismissed.
  virtual void showMessage(QWidget* owner, const QString& text, MessageIcon icon) = 0;
  // A message without owner that leaves the window usable; `dismissed` runs once, when the user
  // closes it or when dismissAll() takes it away.
  virtual void showModelessMessage(const QString& text, MessageIcon icon,
                                   std::function<void()> dismissed) = 0;
  // Closes every modeless message still open (the program is ending).
  virtual void dismissAll() = 0;
  // A Yes / No question; true for Yes.
  virtual bool askYesNo(QWidget* owner, const QString& text) = 0;

  virtual void setClipboardText(const QString& text) = 0;
  virtual void openUrl(const QString& url) = 0;
  // Shows the dialog modally and returns when it is closed.
  virtual void runModal(QDialog& dialog) = 0;
};

}  // namespace quorvan::ui
