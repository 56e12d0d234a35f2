#include "ui/screenshot.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <cstdio>

#include "core/engine_state.h"
#include "ops/operation_table.h"
#include "ui/desktop.h"
#include "ui/main_window.h"
#include "ui/program_font.h"
#include "ui/virtual_list.h"

namespace quorvan::ui {
namespace {

// Answers the import dialog with the given file and takes every message away at once.
class UnattendedDesktop final : public Desktop {
 public:
  explicit UnattendedDesktop(QString file) : file_(std::move(file)) {}

  std::optional<QString> chooseFile(QWidget*, const FileDialogSpec&) override { return file_; }
  QStringList chooseFiles(QWidget*, const QString&, const QString&) override { return {}; }
  QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
  void showMessage(QWidget*, const QString& text, MessageIcon) override { report(text); }
  void showModelessMessage(const QString& text, MessageIcon,
                           std::function<void()> dismissed) override {
    report(text);
    dismissed();
    ++messages_;
  }
  void dismissAll() override {}
  bool askYesNo(QWidget*, const QString&) override { return true; }
  void setClipboardText(const QString&) override {}
  void openUrl(const QString&) override {}
  void runModal(QDialog&) override {}

  int messages() const { return messages_; }

 private:
  static void report(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }

  QString file_;
  int messages_ = 0;
};

}  // namespace

int renderScreenshot(const QString& inputFile, const QString& outputPng, int page) {
  QApplication::setFont(programFont());
  EngineState state;
  UnattendedDesktop desktop(inputFile);
  MainWindow window(state, desktop);
  window.show();

  window.control<QPushButton>("按钮1")->click();
  QElapsedTimer waited;
  waited.start();
  while (desktop.messages() == 0 || state.gate.busy()) {
    if (waited.elapsed() > 30000) {
      std::fprintf(stderr, "the import did not finish\n");
      return 1;
    }
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(10);
  }

  window.control<QLineEdit>("编辑框1")->setText(QStringLiteral(","));
  for (const OperationEntry& entry : operationTable()) {
    if (entry.page != page) continue;
    window.control<QRadioButton>(entry.radio)->click();
    break;
  }
  if (auto* column = window.control<QLineEdit>("编辑框25")) column->setText(QStringLiteral("1"));
  window.listView().selectItem(2);
  // Let the progress timer show the finished import.
  QElapsedTimer settle;
  settle.start();
  while (settle.elapsed() < 600) QApplication::processEvents(QEventLoop::AllEvents, 50);

  if (!window.grab().save(outputPng)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(outputPng));
    return 1;
  }
  return 0;
}

}  // namespace quorvan::ui
