#include "ui/qt_desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace quorvan::ui {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
  return icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information;
}

}  // namespace

QString messageTitle() { return QStringLiteral("信息："); }

QtDesktop::~QtDesktop() { dismissAll(); }

std::optional<QString> QtDesktop::chooseFile(QWidget* owner, const FileDialogSpec& request) {
  QFileDialog dialog(owner);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!request.filter.isEmpty()) dialog.setNameFilter(request.filter);
  if (request.fileName.isEmpty()) {
    dialog.setDirectory(QDir::homePath());
  } else {
    dialog.selectFile(request.fileName);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

QStringList QtDesktop::chooseFiles(QWidget* owner, const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileNames(owner, title, QDir::homePath(), filter, nullptr,
                                       QFileDialog::ReadOnly);
}

QString QtDesktop::chooseFolder(QWidget* owner, const QString& title, const QString& start) {
  return QFileDialog::getExistingDirectory(owner, title, start, QFileDialog::ShowDirsOnly);
}

void QtDesktop::showMessage(QWidget* owner, const QString& text, MessageIcon icon) {
  QMessageBox box(boxIcon(icon), messageTitle(), text, QMessageBox::Ok, owner);
  box.exec();
}

void QtDesktop::showModelessMessage(const QString& text, MessageIcon icon,
                                    std::function<void()> dismissed) {
  auto* box = new QMessageBox(boxIcon(icon), messageTitle(), text, QMessageBox::Ok, nullptr);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  // Runs once whichever comes first: the user's answer or the box going away.
  auto once = std::make_shared<std::function<void()>>(std::move(dismissed));
  auto finish = [once] {
    if (*once) std::exchange(*once, nullptr)();
  };
  QObject::connect(box, &QMessageBox::finished, box, finish);
  QObject::connect(box, &QObject::destroyed, finish);
  std::erase_if(open_, [](const QPointer<QMessageBox>& open) { return open.isNull(); });
  open_.emplace_back(box);
  box->show();
}

void QtDesktop::dismissAll() {
  for (auto& box : open_) delete box.data();
  open_.clear();
}

bool QtDesktop::askYesNo(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Question, messageTitle(), text, QMessageBox::Yes | QMessageBox::No,
                  owner);
  return box.exec() == QMessageBox::Yes;
}

void QtDesktop::setClipboardText(const QString& text) { QApplication::clipboard()->setText(text); }

void QtDesktop::openUrl(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

void QtDesktop::runModal(QDialog& dialog) { dialog.exec(); }

}  // namespace quorvan::ui
