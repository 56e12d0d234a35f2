// The list's context menu and the about window.
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QUrl>
#include <condition_variable>
#include <mutex>

#include "core/job_frame.h"
#include "core/job_runner.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "tests/support/files.h"
#include "tests/ui/window_fixture.h"

using namespace quorvan;
using namespace quorvan::testing;

namespace {

std::vector<std::string> numbered(int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) lines.push_back("line" + std::to_string(i));
  return lines;
}

void trigger(ui::MainWindow& window, const QString& caption) {
  for (QAction* action : window.listMenu().actions()) {
    if (action->text() == caption) return action->trigger();
  }
  QFAIL(qPrintable("no menu item " + caption));
}

// A job that only reads the lines (like an export), held inside its frame.
std::mutex heldMutex;
std::condition_variable heldChanged;
bool heldInside = false;
bool heldReleased = false;

void readingJob(Job& job) {
  openFileFrame(job);
  std::unique_lock lock(heldMutex);
  heldInside = true;
  heldChanged.wait(lock, [] { return heldReleased; });
  lock.unlock();
  closeFileFrame(job);
}

}  // namespace

class ContextMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void theMenuHasItsNineItems() {
    WindowFixture f;
    QCOMPARE(f.window->listMenu().objectName(), QString("Menu"));
    QStringList captions;
    for (QAction* action : f.window->listMenu().actions()) {
      captions << (action->isSeparator() ? QString("-") : action->text());
      QVERIFY(action->isEnabled());
    }
    QCOMPARE(captions, (QStringList{"删除此项", "-", "复制数据", "查找文本", "-", "清空数据", "-",
                                    "查询新版本", "关于此软件"}));
  }

  void deletingALine() {
    WindowFixture f;
    f.window->show();
    f.list().resize(1119, 200);  // a short list, so that scrolling shows
    f.state.store.workingLines = makeLines(numbered(100));
    f.list().setItemCount(100);
    f.list().selectItem(2);
    trigger(*f.window, "删除此项");
    QCOMPARE(f.state.store.workingLines.count(), 99);
    QCOMPARE(f.list().itemCount(), 99);
    QCOMPARE(f.list().selectedIndex(), 2);
    QCOMPARE(f.list().cellText(2, 1), QString("line4"));
    QCOMPARE(f.list().cellText(98, 0), QString("99"));
    QCOMPARE(f.list().cellText(98, 1), QString("line100"));
    const int top = f.list().topIndex();
    QVERIFY(top > 0);  // scrolled down, as far as needed for the 18th line
    QCOMPARE(top + f.list().countPerPage() - 1, 17);
    QVERIFY(f.state.store.removedLines.empty());

    // The last line: nothing is selected afterwards.
    f.list().selectItem(98);
    trigger(*f.window, "删除此项");
    QCOMPARE(f.list().itemCount(), 98);
    QCOMPARE(f.list().selectedIndex(), -1);
    QCOMPARE(f.list().cellText(97, 1), QString("line99"));

    // Without a selection nothing happens.
    trigger(*f.window, "删除此项");
    QCOMPARE(f.list().itemCount(), 98);

    // The only line.
    f.state.store.workingLines = makeLines({"alone"});
    f.list().setItemCount(1);
    f.list().selectItem(0);
    trigger(*f.window, "删除此项");
    QVERIFY(f.state.store.workingLines.empty());
    QCOMPARE(f.list().itemCount(), 0);
  }

  void copyingALine() {
    WindowFixture f;
    f.state.store.workingLines = makeLines({"13800138000", "", "\xD6\xD0\xCE\xC4"});
    f.list().setItemCount(3);
    trigger(*f.window, "复制数据");  // nothing selected
    QVERIFY(f.desktop.clipboard.empty());
    f.list().selectItem(1);
    trigger(*f.window, "复制数据");
    f.list().selectItem(2);
    trigger(*f.window, "复制数据");
    QCOMPARE(f.desktop.clipboard, (std::vector<QString>{"", "中文"}));
    QVERIFY(f.desktop.clipboard[0].isEmpty());
  }

  void clearingKeepsTheRemovedLines() {
    WindowFixture f;
    f.state.store.workingLines = makeLines({"a", "b", "c"});
    f.state.store.removedLines = makeLines({"gone1", "gone2"});
    f.list().setItemCount(3);
    trigger(*f.window, "清空数据");
    QVERIFY(f.state.store.workingLines.empty());
    QCOMPARE(f.list().itemCount(), 0);
    f.click("按钮5");
    QTRY_VERIFY(f.idle());
    const QString message = f.desktop.messages.back().text;
    const QString prefix = "文件已经写出到程序目录下的 ";
    QVERIFY2(message.startsWith(prefix), qPrintable(message));
    const std::string path = platform::programDirectory() + "/" +
                             platform::utf8ToGbk(message.mid(prefix.size()).toStdString()).value();
    const std::string written = readFile(*platform::nativePath(path));
    platform::deleteFile(path);
    QCOMPARE(written, std::string("gone1\r\ngone2\r\n"));
  }

  void findTextShowsTheFilterPageOnly() {
    WindowFixture f;
    f.state.store.workingLines = makeLines({"c", "a", "b"});
    f.list().setItemCount(3);
    f.click("单选框6");  // 快速排序
    QCOMPARE(f.window->currentPage(), 16);
    trigger(*f.window, "查找文本");
    QCOMPARE(f.window->currentPage(), 7);
    QVERIFY(f.button("单选框6")->isChecked());
    f.click("按钮3");
    QTRY_VERIFY(f.idle());
    QCOMPARE(linesOf(f.state.store.workingLines), (std::vector<std::string>{"a", "b", "c"}));
    QCOMPARE(f.list().cellText(0, 1), QString("a"));
  }

  void linesStayWhileAJobRuns() {
    WindowFixture f;
    f.state.store.workingLines = makeLines({"a", "b", "c"});
    f.list().setItemCount(3);
    f.list().selectItem(1);
    {
      std::lock_guard lock(heldMutex);
      heldInside = heldReleased = false;
    }
    QVERIFY(startJob(f.state, f.window->host(), readingJob, FrameKind::File));
    QTRY_VERIFY([] {
      std::lock_guard lock(heldMutex);
      return heldInside;
    }());
    trigger(*f.window, "删除此项");
    trigger(*f.window, "清空数据");
    QCOMPARE(linesOf(f.state.store.workingLines), (std::vector<std::string>{"a", "b", "c"}));
    QCOMPARE(f.list().itemCount(), 3);
    trigger(*f.window, "复制数据");  // reading is harmless
    QCOMPARE(f.desktop.clipboard, std::vector<QString>{"b"});
    {
      std::lock_guard lock(heldMutex);
      heldReleased = true;
    }
    heldChanged.notify_all();
    QTRY_VERIFY(f.idle());
    trigger(*f.window, "清空数据");
    QVERIFY(f.state.store.workingLines.empty());
  }

  void downloadPageAndAboutWindow() {
    WindowFixture f;
    trigger(*f.window, "查询新版本");
    QCOMPARE(f.desktop.urls.size(), size_t(1));
    const QUrl page(f.desktop.urls[0]);
    QVERIFY(page.isValid());
    QCOMPARE(page.path(), QString("/down/"));
    QVERIFY(f.desktop.messages.empty());

    trigger(*f.window, "关于此软件");
    QCOMPARE(f.desktop.modalWindows.size(), size_t(1));
    const auto& about = f.desktop.modalWindows[0];
    QCOMPARE(about.title, QString("关于"));
    QCOMPARE(about.size, QSize(308, 209));
    std::map<QString, QRect> children(about.children.begin(), about.children.end());
    QCOMPARE(children.size(), size_t(3));
    QCOMPARE(children["picture"], QRect(104, 16, 88, 64));
    QCOMPARE(children["credit"], QRect(2, 96, 296, 24));
    QCOMPARE(children["link"], QRect(3, 120, 296, 32));
  }
};

QTEST_MAIN(ContextMenuTest)
#include "context_menu_test.moc"
