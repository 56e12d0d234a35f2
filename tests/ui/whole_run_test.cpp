// A whole run through the window, as a user makes it: import the example file, "剔除重复",
// export, "显示上一次被剔除数据"; the files written hold exactly the lines they must.
#include <set>

#include "platform/files.h"
#include "platform/gbk.h"
#include "tests/support/files.h"
#include "tests/ui/window_fixture.h"

using namespace quorvan;
using namespace quorvan::testing;

namespace {

std::vector<std::string> splitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

}  // namespace

class WholeRunTest : public QObject {
  Q_OBJECT

 private slots:
  void importDedupeExportWriteRemoved() {
    const std::vector<std::string> input = splitLines(readFile(exampleFile().toStdString()));
    std::vector<std::string> kept, removed;
    std::set<std::string> seen;
    for (const auto& line : input) (seen.insert(line).second ? kept : removed).push_back(line);
    QVERIFY(!removed.empty());

    WindowFixture f;
    f.window->show();
    TempDir dir;
    QVERIFY(f.import(exampleFile()));
    QCOMPARE(f.desktop.texts().back(), QString("导入完毕，总数：%1 行！").arg(input.size()));
    QCOMPARE(f.list().itemCount(), int(input.size()));
    QCOMPARE(f.list().cellText(0, 1).toStdString(), platform::gbkToUtf8Lossy(input[0]));

    f.box("编辑框1")->setText(",");
    f.click("单选框1");
    f.click("按钮3");
    QTRY_VERIFY(f.idle());
    QCOMPARE(f.desktop.texts().back(), QString("剔除完成！重复数：%1").arg(removed.size()));
    QCOMPARE(f.list().itemCount(), int(kept.size()));

    const std::string exported = dir.file("kept.txt");
    f.desktop.fileAnswers.push_back(QString::fromStdString(exported));
    f.click("按钮2");
    QTRY_VERIFY(f.idle());
    QCOMPARE(f.desktop.texts().back(), QString("导出完毕！"));
    QVERIFY(readFile(exported) == joinLines(kept));

    f.click("按钮5");
    QTRY_VERIFY(f.idle());
    const QString message = f.desktop.texts().back();
    const QString prefix = "文件已经写出到程序目录下的 ";
    QVERIFY2(message.startsWith(prefix), qPrintable(message));
    const std::string path = platform::programDirectory() + "/" +
                             platform::utf8ToGbk(message.mid(prefix.size()).toStdString()).value();
    const std::string written = readFile(*platform::nativePath(path));
    platform::deleteFile(path);
    QVERIFY(written == joinLines(removed));
    for (const auto& shown : f.desktop.messages) QVERIFY(!shown.modal);
  }
};

QTEST_MAIN(WholeRunTest)
#include "whole_run_test.moc"
