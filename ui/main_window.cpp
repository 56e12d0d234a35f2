#include "ui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <climits>

#include "core/duplicate_table.h"
#include "core/job_frame.h"
#include "core/job_runner.h"
#include "io/import_export.h"
#include "ops/operation_table.h"
#include "platform/gbk.h"
#include "ui/about_window.h"
#include "ui/artwork.h"
#include "ui/desktop.h"
#include "ui/edit_filters.h"
#include "ui/links.h"
#include "ui/list_items.h"
#include "ui/program_font.h"
#include "ui/tracked_jobs.h"
#include "ui/virtual_list.h"

namespace quorvan::ui {
namespace {

QString fromUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QString fromGbk(TextView gbkText) {
  return QString::fromStdString(platform::gbkToUtf8Lossy(gbkText));
}

std::optional<Text> toGbk(const QString& text) { return platform::utf8ToGbk(text.toStdString()); }

// "description|pattern|description|pattern" (patterns joined by ";") in Qt's form,
// "description (pattern pattern);;...".
QString qtFilter(TextView gbkFilter) {
  const QStringList parts = fromGbk(gbkFilter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters.append(QStringLiteral("%1 (%2)").arg(parts[i], patterns));
  }
  return filters.join(QStringLiteral(";;"));
}

constexpr std::string_view kPageNames[kPageCount] = {
    "空格", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16"};

// A button whose caption is longer than the button is wide goes on over several lines, as
// "显示上一次被剔除数据" must.
class WrappingButton final : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
  }
};

// The form name of the group box on a page: the panel of the first operation that shows it.
std::string_view panelOfPage(int page) {
  for (const OperationEntry& entry : operationTable()) {
    if (entry.page == page) return entry.panel;
  }
  return {};
}

}  // namespace

// What the window does for its host, on the window thread.
class MainWindow::Side final : public WindowSide {
 public:
  explicit Side(MainWindow& window) : window_(window) {}

  Text controlText(std::string_view formName) override {
    auto* box = window_.control<QLineEdit>(formName);
    if (box == nullptr) return {};
    return toGbk(box->text()).value_or(Text());  // the boxes take only GBK text
  }
  bool isChecked(std::string_view formName) override {
    auto* button = window_.control<QAbstractButton>(formName);
    return button != nullptr && button->isChecked();
  }
  void setControlText(std::string_view formName, TextView text) override {
    if (auto* box = window_.control<QLineEdit>(formName)) box->setText(fromGbk(text));
  }
  void setEnabled(std::string_view formName, bool enabled) override {
    if (QWidget* widget = window_.control(formName)) widget->setEnabled(enabled);
  }
  void setProgressBar(int32_t position) override {
    window_.progress_->setValue(std::clamp(position, 0, 100));
  }
  void clearItems() override { window_.list_->clearItems(); }
  void setItemCount(int32_t count) override { window_.list_->setItemCount(count); }
  void showMessage(TextView text, MessageIcon icon) override {
    window_.desktop_.showMessage(&window_, fromGbk(text), icon);
  }
  void showJobMessage(TextView text, MessageIcon icon, std::function<void()> dismissed) override {
    window_.desktop_.showModelessMessage(fromGbk(text), icon, std::move(dismissed));
  }
  std::optional<Text> chooseFile(const FileDialogRequest& request) override {
    return window_.runFileDialog(request);
  }

 private:
  MainWindow& window_;
};

MainWindow::MainWindow(EngineState& state, Desktop& desktop)
    : state_(state),
      desktop_(desktop),
      side_(std::make_unique<Side>(*this)),
      host_(std::make_unique<WindowHost>(*side_)) {
  setWindowTitle(fromUtf8(kWindowTitle));
  setWindowIcon(windowIcon());
  setFont(programFont());
  move(50, 50);
  setFixedSize(kWindowWidth, kWindowHeight);
  buildListView();
  buildControls();
  buildMenu();
  initDuplicateTable(state_.duplicates);

  timer_ = new QTimer(this);
  timer_->setObjectName(fromUtf8(kProgressTimer));
  timer_->setInterval(500);
  connect(timer_, &QTimer::timeout, this, &MainWindow::onProgressTimer);
  timer_->start();
}

MainWindow::~MainWindow() {
  // Jobs still running find the window gone: their calls return at once. host_ then waits
  // for them, before the objects they use are released.
  timer_->stop();
  host_->shutDown();
  desktop_.dismissAll();
  // A job thread is counted from before it starts until its last step, so none is missed.
  host_->waitForJobs([this] { return state_.gate.idle(); });
}

void MainWindow::buildListView() {
  list_ = new VirtualList();
  list_->create(this, kListPlace.x, kListPlace.y, kListPlace.width, kListPlace.height);
  list_->insertColumn(-1, QStringLiteral("ID"), 70);
  list_->insertColumn(-1, QStringLiteral("Data"), 1000);
  list_->setFullRowSelect(true, true);
  list_->setSingleSelection(true, true);
  list_->setRightClickHandler([this] { showListMenu(); });
  list_->setItemTextHandler([this](ListItemRequest& request, char* buffer) {
    fillListItem(state_.store.workingLines, request, buffer);
  });
}

void MainWindow::remember(QWidget* widget, std::string_view formName) {
  widget->setObjectName(fromUtf8(formName));
  controls_.emplace(std::string(formName), widget);
}

QWidget* MainWindow::control(std::string_view formName) const {
  auto found = controls_.find(formName);
  return found == controls_.end() ? nullptr : found->second;
}

int MainWindow::currentPage() const { return settingsTabs_->currentIndex(); }

QWidget* MainWindow::makeControl(QWidget* parent, const ControlSpec& placed) {
  QWidget* widget = nullptr;
  const QString caption = fromUtf8(placed.caption);
  switch (placed.kind) {
    case ControlKind::Label:
    case ControlKind::RedLabel:
    case ControlKind::WrappedLabel: {
      auto* label = new QLabel(caption, parent);
      if (placed.kind == ControlKind::RedLabel) {
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, QColor(255, 0, 0));
        label->setPalette(red);
      }
      if (placed.kind == ControlKind::WrappedLabel) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      }
      widget = label;
      break;
    }
    case ControlKind::Edit: {
      auto* box = new QLineEdit(parent);
      applyInput(*box, placed.input);
      // Paths of many files to merge can be long; typed boxes keep Qt's usual limit.
      if (placed.input == Input::ReadOnly) box->setMaxLength(INT_MAX);
      widget = box;
      break;
    }
    case ControlKind::Button:
      if (parent->fontMetrics().horizontalAdvance(caption) > placed.width - 8) {
        widget = new WrappingButton(caption, parent);
      } else {
        widget = new QPushButton(caption, parent);
      }
      break;
    case ControlKind::CheckBox:
      widget = new QCheckBox(caption, parent);
      break;
    case ControlKind::Separator: {
      auto* line = new QFrame(parent);
      line->setFrameShape(QFrame::VLine);
      line->setFrameShadow(QFrame::Sunken);
      widget = line;
      break;
    }
  }
  widget->setGeometry(placed.x, placed.y, placed.width, placed.height);
  remember(widget, placed.formName);
  return widget;
}

void MainWindow::buildControls() {
  progress_ = new QProgressBar(this);
  progress_->setGeometry(kProgressPlace.x, kProgressPlace.y, kProgressPlace.width,
                         kProgressPlace.height);
  progress_->setRange(0, 100);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  remember(progress_, kProgressBar);

  auto* group = new QGroupBox(this);
  group->setGeometry(kOperationGroupPlace.x, kOperationGroupPlace.y, kOperationGroupPlace.width,
                     kOperationGroupPlace.height);
  remember(group, kOperationGroup);
  for (const ControlSpec& placed : operationGroupControls()) makeControl(group, placed);

  settingsTabs_ = new QStackedWidget(this);
  settingsTabs_->setGeometry(kSettingsTabsPlace.x, kSettingsTabsPlace.y, kSettingsTabsPlace.width,
                             kSettingsTabsPlace.height);
  remember(settingsTabs_, kSettingsTabs);
  for (int page = 0; page < kPageCount; ++page) {
    auto* sheet = new QWidget(settingsTabs_);
    sheet->setObjectName(fromUtf8(kPageNames[page]));
    auto* panel = new QGroupBox(sheet);
    panel->setGeometry(kPanelPlace.x, kPanelPlace.y, kPanelPlace.width, kPanelPlace.height);
    remember(panel, panelOfPage(page));
    for (const ControlSpec& placed : pageControls(page)) makeControl(panel, placed);
    settingsTabs_->addWidget(sheet);
  }
  settingsTabs_->setCurrentIndex(0);

  // The radio buttons: place from the layout, caption and page from the operation table.
  for (const OperationEntry& entry : operationTable()) {
    const auto place = std::find_if(radioPlaces().begin(), radioPlaces().end(),
                                    [&](const RadioPlace& p) { return p.formName == entry.radio; });
    auto* radio = new QRadioButton(fromUtf8(entry.caption), group);
    if (place != radioPlaces().end()) {
      radio->setGeometry(place->x, place->y, place->width, place->height);
    }
    remember(radio, entry.radio);
    const int page = entry.page;
    connect(radio, &QRadioButton::clicked, this, [this, page] { showSettingsPage(page); });
  }

  connect(control<QPushButton>(kStartButton), &QPushButton::clicked, this,
          [this] { dispatchOperation(state_, *host_, trackedOperations()); });
  for (size_t i = 0; i < fileJobTable().size(); ++i) {
    connect(control<QPushButton>(fileJobTable()[i].button), &QPushButton::clicked, this,
            [this, i] { startFileJob(i); });
  }
  connect(control<QPushButton>(kMergeFilesButton), &QPushButton::clicked, this,
          &MainWindow::chooseMergeFiles);
  connect(control<QPushButton>(kCompareFileButton), &QPushButton::clicked, this,
          [this] { chooseTextFile(kCompareFileBox); });
  connect(control<QPushButton>(kCompareByColumnFileButton), &QPushButton::clicked, this,
          [this] { chooseTextFile(kCompareByColumnFileBox); });
  connect(control<QPushButton>(kOutputFolderButton), &QPushButton::clicked, this,
          &MainWindow::chooseOutputFolder);
  connect(control<QCheckBox>(kCustomPrefixBox), &QCheckBox::toggled, this,
          &MainWindow::onCustomPrefixToggled);
}

void MainWindow::buildMenu() {
  menu_ = new QMenu(this);
  menu_->setObjectName(fromUtf8(kListMenu));
  menu_->addAction(QStringLiteral("删除此项"), this, &MainWindow::deleteSelectedLine);
  menu_->addSeparator();
  menu_->addAction(QStringLiteral("复制数据"), this, &MainWindow::copySelectedLine);
  menu_->addAction(QStringLiteral("查找文本"), this, &MainWindow::showFilterPage);
  menu_->addSeparator();
  menu_->addAction(QStringLiteral("清空数据"), this, &MainWindow::clearLines);
  menu_->addSeparator();
  menu_->addAction(QStringLiteral("查询新版本"), this, &MainWindow::openDownloadPage);
  menu_->addAction(QStringLiteral("关于此软件"), this, &MainWindow::showAbout);
}

void MainWindow::startFileJob(size_t index) {
  startJob(state_, *host_, trackedFileJob(index), FrameKind::File);
}

void MainWindow::showSettingsPage(int page) {
  if (page >= 0 && page < kPageCount) settingsTabs_->setCurrentIndex(page);
}

void MainWindow::onProgressTimer() {
  progress_->setValue(std::clamp(state_.store.progress(), 0, 100));
}

void MainWindow::refuse(const QString& text) {
  desktop_.showMessage(this, text, MessageIcon::Error);
}

std::optional<Text> MainWindow::runFileDialog(const FileDialogRequest& request) {
  dialog_.save = request.save;
  if (request.filter) dialog_.filter = *request.filter;
  if (request.defaultExtension) dialog_.defaultExtension = *request.defaultExtension;
  FileDialogSpec placed{dialog_.save, qtFilter(dialog_.filter), dialog_.fileName};
  std::optional<QString> chosen = desktop_.chooseFile(this, placed);
  if (!chosen || chosen->isEmpty()) return std::nullopt;
  QString path = *chosen;
  if (dialog_.save && !dialog_.defaultExtension.empty() &&
      !QFileInfo(path).fileName().contains(QLatin1Char('.'))) {
    path += QLatin1Char('.') + fromGbk(dialog_.defaultExtension);
  }
  dialog_.fileName = path;
  std::optional<Text> gbkPath = toGbk(path);
  if (!gbkPath) {
    refuse(QStringLiteral("注意：文件名含有无法用GBK表示的字符：") + path);
    return std::nullopt;
  }
  return gbkPath;
}

void MainWindow::chooseTextFile(std::string_view targetBox) {
  FileDialogRequest request;
  request.save = false;
  request.filter = textFileFilter();
  if (std::optional<Text> path = runFileDialog(request)) side_->setControlText(targetBox, *path);
}

void MainWindow::chooseMergeFiles() {
  const QStringList chosen = desktop_.chooseFiles(this, QStringLiteral("请选择一个或多个文件"),
                                                  qtFilter(textFileFilter()));
  if (chosen.isEmpty()) return;
  Text joined;
  for (const QString& path : chosen) {
    std::optional<Text> gbkPath = toGbk(path);
    if (!gbkPath) {
      refuse(QStringLiteral("注意：文件名含有无法用GBK表示的字符：") + path);
      return;
    }
    // "|" separates the paths in the box; a name holding one would be cut in two.
    if (gbkPath->find('|') != Text::npos) {
      refuse(QStringLiteral("注意：文件名含有“|”，无法合并：") + path);
      return;
    }
    if (!joined.empty()) joined += '|';
    joined += *gbkPath;
  }
  side_->setControlText(kMergeFilesBox, joined);
}

void MainWindow::chooseOutputFolder() {
  const QString folder =
      desktop_.chooseFolder(this, QStringLiteral("选择一个欲导出到的文件夹"), QDir::homePath());
  std::optional<Text> gbkFolder = toGbk(folder);
  if (!gbkFolder) {
    side_->setControlText(kOutputFolderBox, Text());
    refuse(QStringLiteral("注意：文件夹名含有无法用GBK表示的字符：") + folder);
    return;
  }
  side_->setControlText(kOutputFolderBox, *gbkFolder);
}

void MainWindow::onCustomPrefixToggled(bool ticked) {
  for (std::string_view name : kCarrierBoxes) {
    auto* box = control<QCheckBox>(name);
    box->setEnabled(!ticked);
    if (ticked) box->setChecked(false);
  }
}

void MainWindow::showListMenu() { menu_->popup(QCursor::pos()); }

void MainWindow::deleteSelectedLine() {
  // A running job may be reading or changing the lines.
  if (state_.gate.busy()) return;
  LineList& lines = state_.store.workingLines;
  const int row = list_->selectedIndex();
  if (row < 0 || lines.empty() || row >= lines.count()) return;
  list_->clearItems();
  const auto handles = lines.handles();
  std::rotate(handles.begin() + row, handles.begin() + row + 1, handles.end());
  lines.truncate(lines.count() - 1);
  list_->setItemCount(lines.count());
  const double beyond = double(lines.count()) - (double(row) + 15.0);
  list_->ensureVisible(beyond > 0.0000001 ? row + 15 : row);
  list_->selectItem(row);
}

void MainWindow::copySelectedLine() {
  const LineList& lines = state_.store.workingLines;
  const int row = list_->selectedIndex();
  if (row < 0 || lines.empty() || row >= lines.count()) return;
  desktop_.setClipboardText(fromGbk(lines.at(row + 1)));
}

void MainWindow::showFilterPage() {
  showSettingsPage(operationEntry(OperationKind::FilterLines).page);
}

void MainWindow::clearLines() {
  if (state_.gate.busy()) return;
  list_->clearItems();
  state_.store.workingLines.clear();
}

void MainWindow::openDownloadPage() { desktop_.openUrl(fromUtf8(kDownloadPage)); }

void MainWindow::showAbout() {
  AboutWindow about(this, desktop_);
  desktop_.runModal(about);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closing_) return event->accept();
  if (!desktop_.askYesNo(this, QStringLiteral("确定关闭程序？"))) {
    event->ignore();
    return;
  }
  closing_ = true;
  timer_->stop();
  host_->shutDown();
  desktop_.dismissAll();
  event->accept();
  emit closed();
}

}  // namespace quorvan::ui
