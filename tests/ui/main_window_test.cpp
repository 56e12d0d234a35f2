// The main window: its first state, its layout, the radio buttons and pages, the edit boxes'
// input rules, the browse buttons, the job frame as the window sees it, and closing.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <condition_variable>
#include <mutex>

#include "core/job_frame.h"
#include "core/job_runner.h"
#include "ops/operation_table.h"
#include "platform/files.h"
#include "tests/support/files.h"
#include "tests/ui/window_fixture.h"
#include "ui/window_layout.h"

using namespace quorvan;
using namespace quorvan::testing;

namespace {

// A job body that holds its frame open until the test lets it go.
struct HeldJob {
  std::mutex mutex;
  std::condition_variable changed;
  bool inside = false;
  bool released = false;
  bool finished = false;

  void waitForRelease() {
    std::unique_lock lock(mutex);
    inside = true;
    changed.notify_all();
    changed.wait(lock, [&] { return released; });
  }
  void finish() {
    std::lock_guard lock(mutex);
    finished = true;
  }
  bool isInside() {
    std::lock_guard lock(mutex);
    return inside;
  }
  bool isFinished() {
    std::lock_guard lock(mutex);
    return finished;
  }
  void release() {
    std::lock_guard lock(mutex);
    released = true;
    changed.notify_all();
  }
  void reset() {
    std::lock_guard lock(mutex);
    inside = released = finished = false;
  }
};
HeldJob held;

void heldOperation(Job& job) {
  openJobFrame(job);
  job.store.workingLines = makeLines({"rebuilt"});  // changed while the list shows no rows
  held.waitForRelease();
  closeJobFrame(job);
  held.finish();
}

void heldFileJob(Job& job) {
  openFileFrame(job);
  held.waitForRelease();
  closeFileFrame(job);
  held.finish();
}

constexpr std::string_view kFrameControls[] = {"按钮1", "按钮2", "按钮3", "分组框1", "选择夹2"};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensInItsFirstState() {
    WindowFixture f;
    QCOMPARE(f.window->windowTitle(), QString("Quorvan文本处理工具V1.0.32"));
    QCOMPARE(f.window->size(), QSize(1123, 724));
    QCOMPARE(f.window->currentPage(), 0);
    for (auto* radio : f.window->findChildren<QRadioButton*>()) QVERIFY(!radio->isChecked());
    QCOMPARE(f.window->findChildren<QRadioButton*>().size(), 19);
    for (auto* box : f.window->findChildren<QLineEdit*>()) QVERIFY(box->text().isEmpty());
    for (auto* box : f.window->findChildren<QCheckBox*>()) QVERIFY(!box->isChecked());
    QCOMPARE(f.window->control<QProgressBar>("进度条1")->value(), 0);
    QCOMPARE(f.list().itemCount(), 0);
    QCOMPARE(f.list().geometry(), QRect(0, 0, 1119, 500));
    QCOMPARE(f.list().columnTitle(0), QString("ID"));
    QCOMPARE(f.list().columnWidth(0), 70);
    QCOMPARE(f.list().columnTitle(1), QString("Data"));
    QCOMPARE(f.list().columnWidth(1), 1000);
    QCOMPARE(f.window->font().families().value(0), QString("Microsoft YaHei"));
    QCOMPARE(f.window->font().pixelSize(), 12);
    QCOMPARE(f.window->findChild<QTimer*>("时钟1")->interval(), 500);
    QVERIFY(f.window->findChild<QTimer*>("时钟1")->isActive());
  }

  void everyControlIsOnItsPage() {
    WindowFixture f;
    auto* group = f.window->control<QGroupBox>("分组框1");
    for (const ui::ControlSpec& placed : ui::operationGroupControls()) {
      QWidget* widget = f.window->control(placed.formName);
      QVERIFY(widget != nullptr);
      QCOMPARE(widget->parentWidget(), group);
      QCOMPARE(widget->geometry(), QRect(placed.x, placed.y, placed.width, placed.height));
    }
    auto* tabs = f.window->control<QStackedWidget>("选择夹2");
    QCOMPARE(tabs->count(), 17);
    for (int page = 0; page < ui::kPageCount; ++page) {
      for (const ui::ControlSpec& placed : ui::pageControls(page)) {
        QWidget* widget = f.window->control(placed.formName);
        QVERIFY2(widget != nullptr, placed.formName.data());
        QVERIFY(tabs->widget(page)->isAncestorOf(widget));
        QCOMPARE(widget->geometry(), QRect(placed.x, placed.y, placed.width, placed.height));
      }
    }
    // A few controls as the window must show them.
    struct Expected {
      std::string_view name;
      QRect place;
      QString caption;
    } expected[] = {
        {"按钮3", {1024, 14, 78, 33}, "开始处理"},
        {"按钮5", {1024, 50, 78, 46}, "显示上一次被剔除数据"},
        {"单选框6", {133, 48, 93, 16}, "快速排序"},
        {"单选框19", {816, 72, 111, 16}, "打乱顺序"},
        {"选择框23", {504, 24, 105, 24}, "保留自定义号段"},
        {"按钮8", {800, 23, 79, 23}, "打开"},
        {"分组框17", {3, -4, 1115, 72}, ""},
    };
    for (const Expected& e : expected) {
      QWidget* widget = f.window->control(e.name);
      QCOMPARE(widget->geometry(), e.place);
      if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QCOMPARE(button->text(), e.caption);
    }
    QCOMPARE(f.window->control<QGroupBox>("分组框17")->parentWidget(), tabs->widget(16));
    QCOMPARE(f.window->control<QGroupBox>("分组框18")->parentWidget(), tabs->widget(15));
    const QColor red(255, 0, 0);
    QCOMPARE(f.window->control<QLabel>("标签22")->palette().color(QPalette::WindowText), red);
    QVERIFY(f.window->control<QLabel>("标签18")->palette().color(QPalette::WindowText) != red);
    for (std::string_view name : {"编辑框11", "编辑框26", "编辑框27", "编辑框36"}) {
      QVERIFY(f.box(name)->isReadOnly());
    }
    QVERIFY(!f.box("编辑框35")->isReadOnly());
  }

  void radioButtonsBringUpTheirPages() {
    WindowFixture f;
    const std::pair<std::string_view, int> pages[] = {
        {"单选框1", 0},   {"单选框6", 16},  {"单选框3", 1},   {"单选框4", 2},   {"单选框9", 3},
        {"单选框7", 0},   {"单选框2", 4},   {"单选框8", 5},   {"单选框11", 8},  {"单选框10", 7},
        {"单选框5", 6},   {"单选框12", 9},  {"单选框13", 10}, {"单选框14", 11}, {"单选框15", 12},
        {"单选框16", 13}, {"单选框17", 14}, {"单选框18", 15}, {"单选框19", 0},
    };
    auto* tabs = f.window->control<QStackedWidget>("选择夹2");
    for (const auto& [radio, page] : pages) {
      f.window->showSettingsPage(page == 0 ? 1 : 0);
      f.click(radio);
      QCOMPARE(f.window->currentPage(), page);
      QVERIFY(f.button(radio)->isChecked());
      const std::string_view panel =
          operationEntry(std::find_if(operationTable().begin(), operationTable().end(),
                                      [&](const OperationEntry& e) { return e.radio == radio; })
                             ->kind)
              .panel;
      QVERIFY(tabs->currentWidget()->isAncestorOf(f.window->control(panel)));
    }
    int checked = 0;
    for (auto* radio : f.window->findChildren<QRadioButton*>()) checked += radio->isChecked();
    QCOMPARE(checked, 1);
  }

  void pagesKeepTheirValues() {
    WindowFixture f;
    f.click("单选框12");
    f.box("编辑框25")->setText("2");
    f.button("选择框13")->setChecked(true);
    f.box("编辑框35")->setText("138,139");
    f.click("单选框10");
    QCOMPARE(f.window->currentPage(), 7);
    f.box("编辑框10")->setText("3");
    f.click("单选框12");
    QCOMPARE(f.window->currentPage(), 9);
    QCOMPARE(f.box("编辑框25")->text(), QString("2"));
    QVERIFY(f.button("选择框13")->isChecked());
    QCOMPARE(f.box("编辑框35")->text(), QString("138,139"));
    QCOMPARE(f.box("编辑框10")->text(), QString("3"));
    QCOMPARE(f.window->host().controlText("编辑框35"), Text("138,139"));
  }

  void editBoxesFilterTypedKeysOnly() {
    WindowFixture f;
    f.window->show();
    QLineEdit* integer = f.box("编辑框2");
    QTest::keyClicks(integer, "1a2");
    QCOMPARE(integer->text(), QString("12"));
    QTest::keyClick(integer, Qt::Key_Minus);
    QTest::keyClicks(integer, ".");
    QCOMPARE(integer->text(), QString("12-"));
    QTest::keyClick(integer, Qt::Key_Backspace);
    QCOMPARE(integer->text(), QString("12"));
    QLineEdit* decimal = f.box("编辑框14");
    QTest::keyClicks(decimal, "-1.5e");
    QCOMPARE(decimal->text(), QString("-1.5"));
    QLineEdit* text = f.box("编辑框4");
    QTest::keyClicks(text, "a1-");
    QCOMPARE(text->text(), QString("a1-"));
    // Pasted text is not filtered.
    QApplication::clipboard()->setText("x9y");
    integer->clear();
    QTest::keyClick(integer, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(integer->text(), QString("x9y"));
    // ... but no box takes a character that GBK cannot hold: the job would get a changed text.
    QApplication::clipboard()->setText(QString::fromUtf8("\xF0\x9F\x98\x80"));
    text->clear();
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text->text(), QString());
    f.box("编辑框1")->setText("中");
    QCOMPARE(f.window->host().controlText("编辑框1"), Text("\xD6\xD0"));
  }

  void customPrefixGreysTheCarrierBoxes() {
    WindowFixture f;
    const std::string_view carriers[] = {"选择框12", "选择框13", "选择框14", "选择框15"};
    for (auto name : carriers) f.button(name)->setChecked(true);
    f.click("选择框23");
    for (auto name : carriers) {
      QVERIFY(!f.button(name)->isEnabled());
      QVERIFY(!f.button(name)->isChecked());
    }
    f.click("选择框23");
    for (auto name : carriers) {
      QVERIFY(f.button(name)->isEnabled());
      QVERIFY(!f.button(name)->isChecked());
    }
  }

  void startWithoutAnOperationAsksForOne() {
    WindowFixture f;
    f.state.store.workingLines = makeLines({"b", "a"});
    f.click("按钮3");
    QCOMPARE(f.desktop.messages.size(), size_t(1));
    QCOMPARE(f.desktop.messages[0].text, QString("请选择操作！"));
    QVERIFY(f.desktop.messages[0].modal);  // from the window thread: blocks the window
    QCOMPARE(f.desktop.messages[0].icon, MessageIcon::Information);
    QVERIFY(!f.state.gate.busy());
    QCOMPARE(linesOf(f.state.store.workingLines), (std::vector<std::string>{"b", "a"}));
  }

  void frameControlsWhileAJobRuns() {
    WindowFixture f;
    f.state.store.workingLines = makeLines({"one", "two", "three"});
    f.list().setItemCount(3);
    held.reset();
    QVERIFY(startJob(f.state, f.window->host(), heldOperation, FrameKind::Job));
    QTRY_VERIFY(held.isInside());
    for (auto name : kFrameControls) QVERIFY2(!f.window->control(name)->isEnabled(), name.data());
    // Inside the group and the tabs: everything that could start a job or change a setting.
    for (auto name : {"按钮5", "编辑框1", "单选框1", "编辑框25"}) {
      QVERIFY(!f.window->control(name)->isEnabledTo(nullptr) ||
              !f.window->control(name)->isEnabled());
    }
    QCOMPARE(f.list().itemCount(), 0);
    QCOMPARE(f.list().cellText(0, 1), QString());
    // A second job cannot start.
    QVERIFY(!startJob(f.state, f.window->host(), heldOperation, FrameKind::Job));
    held.release();
    QTRY_VERIFY(held.isFinished());
    for (auto name : kFrameControls) QVERIFY(f.window->control(name)->isEnabled());
    QCOMPARE(f.list().itemCount(), 1);
    QCOMPARE(f.list().cellText(0, 1), QString("rebuilt"));
    QTRY_COMPARE(f.window->control<QProgressBar>("进度条1")->value(), 100);

    // A file job holds only the three buttons.
    held.reset();
    QVERIFY(startJob(f.state, f.window->host(), heldFileJob, FrameKind::File));
    QTRY_VERIFY(held.isInside());
    for (auto name : {"按钮1", "按钮2", "按钮3"}) QVERIFY(!f.window->control(name)->isEnabled());
    for (auto name : {"按钮5", "分组框1", "选择夹2", "编辑框1"}) {
      QVERIFY(f.window->control(name)->isEnabled());
    }
    held.release();
    QTRY_VERIFY(held.isFinished());
    QTRY_VERIFY(f.button("按钮1")->isEnabled());
  }

  void twoClosingMessagesOpenAtOnce() {
    WindowFixture f;
    TempDir dir;
    QVERIFY(f.importHeld(exampleFile()));  // waits in its closing message
    QCOMPARE(f.desktop.openMessages(), size_t(1));
    QVERIFY(!f.state.gate.busy());
    QVERIFY(f.button("按钮2")->isEnabled());  // the window goes on working
    const QString exported = QString::fromStdString(dir.file("out.txt"));
    f.desktop.fileAnswers.push_back(exported);
    f.click("按钮2");
    QTRY_COMPARE(f.desktop.openMessages(), size_t(2));
    QCOMPARE(f.desktop.texts(), (QStringList{"导入完毕，总数：380 行！", "导出完毕！"}));
    QVERIFY(!f.desktop.messages[0].modal);
    QCOMPARE(f.window->host().runningJobs(), 2);
    f.desktop.dismiss(1);
    QTRY_COMPARE(f.window->host().runningJobs(), 1);
    f.desktop.dismiss(0);
    QTRY_VERIFY(f.idle());
    QCOMPARE(readFile(dir.file("out.txt")), readFile(exampleFile().toStdString()));
  }

  void theSharedFileDialogRemembers() {
    WindowFixture f;
    TempDir dir;
    QVERIFY(f.import(exampleFile()));
    QCOMPARE(f.desktop.fileDialogs.size(), size_t(1));
    QVERIFY(!f.desktop.fileDialogs[0].save);
    QCOMPARE(f.desktop.fileDialogs[0].filter, QString("文本文件 .txt (*.txt)"));
    QVERIFY(f.desktop.fileDialogs[0].fileName.isEmpty());
    // Export offers the imported name, in save mode, with the filter of the last use; a name
    // without an extension gets ".txt".
    f.desktop.fileAnswers.push_back(QString::fromStdString(dir.file("copy")));
    f.click("按钮2");
    QTRY_VERIFY(f.idle());
    QCOMPARE(f.desktop.fileDialogs.size(), size_t(2));
    QVERIFY(f.desktop.fileDialogs[1].save);
    QCOMPARE(f.desktop.fileDialogs[1].fileName, exampleFile());
    QCOMPARE(f.desktop.fileDialogs[1].filter, QString("文本文件 .txt (*.txt)"));
    QVERIFY(platform::fileExists(dir.file("copy.txt")));
    // The comparison panels' browse button: open mode, offering the name chosen last.
    f.desktop.fileAnswers.push_back("/data/compare.txt");
    f.click("按钮6");
    QVERIFY(!f.desktop.fileDialogs[2].save);
    QCOMPARE(f.desktop.fileDialogs[2].fileName, QString::fromStdString(dir.file("copy.txt")));
    QCOMPARE(f.box("编辑框26")->text(), QString("/data/compare.txt"));
    f.click("按钮6");  // cancelled: the box keeps its path
    QCOMPARE(f.box("编辑框26")->text(), QString("/data/compare.txt"));
    f.desktop.fileAnswers.push_back("/data/其他.txt");
    f.click("按钮7");
    QCOMPARE(f.box("编辑框27")->text(), QString("/data/其他.txt"));
  }

  void mergeAndFolderBrowsers() {
    WindowFixture f;
    f.desktop.filesAnswers.push_back({"/a/1.txt", "/a/2.txt", "/b/3.txt"});
    f.click("按钮4");
    QCOMPARE(f.box("编辑框11")->text(), QString("/a/1.txt|/a/2.txt|/b/3.txt"));
    QCOMPARE(f.desktop.dialogTitles.back(), QString("请选择一个或多个文件"));
    f.click("按钮4");  // cancelled
    QCOMPARE(f.box("编辑框11")->text(), QString("/a/1.txt|/a/2.txt|/b/3.txt"));
    f.desktop.filesAnswers.push_back({"/a/only.txt"});
    f.click("按钮4");
    QCOMPARE(f.box("编辑框11")->text(), QString("/a/only.txt"));
    // A name with "|" would be cut in two by the merge: refused, the box unchanged.
    f.desktop.filesAnswers.push_back({"/a/x.txt", "/a/b|c.txt"});
    f.click("按钮4");
    QCOMPARE(f.box("编辑框11")->text(), QString("/a/only.txt"));
    QCOMPARE(f.desktop.messages.back().icon, MessageIcon::Error);

    f.desktop.folderAnswers.push_back("/srv/parts");
    f.click("按钮8");
    QCOMPARE(f.box("编辑框36")->text(), QString("/srv/parts"));
    QCOMPARE(f.desktop.folderStarts.back(), QDir::homePath());
    QCOMPARE(f.desktop.dialogTitles.back(), QString("选择一个欲导出到的文件夹"));
    f.click("按钮8");  // cancelled: the box is emptied
    QCOMPARE(f.box("编辑框36")->text(), QString());
  }

  void closingAsksFirst() {
    WindowFixture f;
    f.state.store.workingLines = makeLines({"kept"});
    f.list().setItemCount(1);
    f.window->show();
    QSignalSpy closed(f.window.get(), &ui::MainWindow::closed);
    f.desktop.answerYes = false;
    QVERIFY(!f.window->close());
    QCOMPARE(f.desktop.questions, std::vector<QString>{"确定关闭程序？"});
    QVERIFY(f.window->isVisible());
    QCOMPARE(closed.count(), 0);
    QCOMPARE(f.list().cellText(0, 1), QString("kept"));
    f.desktop.answerYes = true;
    QVERIFY(f.window->close());
    QCOMPARE(closed.count(), 1);
  }

  void closingWhileJobsRun() {
    // A job waiting in its closing message, and a job whose dialog the window never showed.
    for (bool dialogPending : {false, true}) {
      WindowFixture f;
      f.window->show();
      f.desktop.holdMessages = true;
      if (dialogPending) {
        f.desktop.fileAnswers.push_back(exampleFile());
        f.click("按钮1");  // its dialog request is not carried out before the window closes
      } else {
        QVERIFY(f.importHeld(exampleFile()));
        QCOMPARE(f.desktop.openMessages(), size_t(1));
      }
      QVERIFY(f.window->close());
      f.window.reset();  // waits for the job; it must not touch what is gone
      QVERIFY(!f.state.gate.busy());
      QCOMPARE(f.desktop.openMessages(), size_t(0));
    }
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
