#pragma once
// MainWindow: the program's window. The list of the working lines, the progress bar, the
// operation group with its nineteen radio buttons, and the settings pages; the list's context
// menu; the window's side of JobHost.
//
// Glue only: the operations are the engine's job bodies, started through startJob and
// dispatchOperation; the window gives them their settings by form name. Every control's
// object name is its form name. Window thread only, except host(), which jobs call from theirs.
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "core/engine_state.h"
#include "ui/window_host.h"
#include "ui/window_layout.h"

class QMenu;
class QProgressBar;
class QStackedWidget;
class QLineEdit;

namespace quorvan::ui {

class Desktop;
class VirtualList;

class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  // `state` and `desktop` must outlive the window. The window waits, when it goes, until every
  // job it started has returned.
  MainWindow(EngineState& state, Desktop& desktop);
  ~MainWindow() override;

  WindowHost& host() { return *host_; }
  VirtualList& listView() { return *list_; }
  QMenu& listMenu() { return *menu_; }
  // The control with this form name, or nullptr.
  QWidget* control(std::string_view formName) const;
  template <class Widget>
  Widget* control(std::string_view formName) const {
    return qobject_cast<Widget*>(control(formName));
  }
  int currentPage() const;

  void showSettingsPage(int page);
  // The "打开" buttons.
  void chooseTextFile(std::string_view targetBox);
  void chooseMergeFiles();
  void chooseOutputFolder();
  void onCustomPrefixToggled(bool ticked);
  void onProgressTimer();

  // The context menu and its commands.
  void showListMenu();
  void deleteSelectedLine();
  void copySelectedLine();
  void showFilterPage();
  void clearLines();
  void openDownloadPage();
  void showAbout();

 signals:
  // The user confirmed closing; the program ends.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  class Side;

  void buildControls();
  void buildListView();
  void buildMenu();
  QWidget* makeControl(QWidget* parent, const ControlSpec& placed);
  void remember(QWidget* widget, std::string_view formName);
  void startFileJob(size_t index);
  // The shared file dialog "通用对话框1": its state persists from one use to the next.
  std::optional<Text> runFileDialog(const FileDialogRequest& request);
  void refuse(const QString& text);

  struct FileDialogState {
    bool save = false;
    Text filter;            // GBK, "description|pattern" pairs
    Text defaultExtension;  // without the dot
    QString fileName;       // the name chosen last
  };

  EngineState& state_;
  Desktop& desktop_;
  std::map<std::string, QWidget*, std::less<>> controls_;
  VirtualList* list_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QStackedWidget* settingsTabs_ = nullptr;
  QMenu* menu_ = nullptr;
  QTimer* timer_ = nullptr;  // "时钟1"
  FileDialogState dialog_;
  bool closing_ = false;
  std::unique_ptr<Side> side_;
  // Last, so that it goes first: it waits for the running jobs before anything else goes.
  std::unique_ptr<WindowHost> host_;
};

}  // namespace quorvan::ui
