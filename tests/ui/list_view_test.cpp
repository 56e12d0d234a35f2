// The owner-data list view and the cells of the working lines.
#include <QSignalSpy>
#include <QTest>
#include <cstring>

#include "tests/support/files.h"
#include "ui/list_items.h"
#include "ui/virtual_list.h"

using namespace quorvan;
using namespace quorvan::ui;

namespace {

// The bytes fillListItem writes for a cell, with the buffer's end guarded.
struct Filled {
  std::string text;
  bool guardIntact;
};

Filled fill(const LineList& lines, int row, int column) {
  constexpr size_t guard = 64;
  std::vector<char> memory(kItemTextBufferSize + guard, '\x5A');
  std::memset(memory.data(), 0, kItemTextBufferSize);
  ListItemRequest request{row, column, 0, 0};
  fillListItem(lines, request, memory.data());
  Filled filled{std::string(memory.data(), strnlen(memory.data(), kItemTextBufferSize)), true};
  for (size_t i = kItemTextBufferSize; i < memory.size(); ++i) {
    filled.guardIntact = filled.guardIntact && memory[i] == '\x5A';
  }
  filled.guardIntact = filled.guardIntact && memory[kItemTextBufferSize - 1] == 0;
  return filled;
}

// A list of `rows` rows whose cells say where they are, counting the handler's calls.
struct CountingList {
  QWidget parent;
  VirtualList& list = *new VirtualList;  // the parent owns it once created
  int calls = 0;

  CountingList() {
    parent.resize(600, 300);
    list.create(&parent, 0, 0, 600, 300);
    list.insertColumn(-1, "ID", 70);
    list.insertColumn(-1, "Data", 400);
    list.setSingleSelection(true, true);
    list.setItemTextHandler([this](ListItemRequest& request, char* buffer) {
      ++calls;
      const std::string text = std::to_string(request.row) + ":" + std::to_string(request.column);
      std::memcpy(buffer, text.data(), text.size());
    });
  }
};

}  // namespace

class ListViewTest : public QObject {
  Q_OBJECT

 private slots:
  void cellsOfTheWorkingLines() {
    const std::string chinese1024(1024, '\xD6');  // 512 double-byte characters
    std::string oddThenChinese = "a" + std::string(1100, '\xD6');
    LineList lines = testing::makeLines({"13800138000", "", std::string(1023, 'x'),
                                         std::string(1024, 'y'), chinese1024, oddThenChinese});
    struct Case {
      int row, column;
      std::string expected;
    } cases[] = {
        {0, 0, "1"},
        {0, 1, "13800138000"},
        {1, 0, "2"},  // an empty line keeps its number
        {1, 1, ""},
        {2, 1, std::string(1023, 'x')},     // fits with its terminating zero
        {3, 1, std::string(1023, 'y')},     // too long: cut
        {4, 1, std::string(1022, '\xD6')},  // never half a character
        {5, 1, "a" + std::string(1022, '\xD6')},
        {6, 1, ""},  // a row the lines do not have
        {-1, 0, ""},
    };
    for (const Case& c : cases) {
      const Filled filled = fill(lines, c.row, c.column);
      QCOMPARE(filled.text.size(), c.expected.size());
      QVERIFY(filled.text == c.expected);
      QVERIFY2(filled.guardIntact, "written past the text buffer");
    }
  }

  void showsNothingWithoutRows() {
    CountingList view;
    view.parent.grab();
    QCOMPARE(view.calls, 0);
    QCOMPARE(view.list.selectedIndex(), -1);
    QCOMPARE(view.list.cellText(0, 0), QString());
    view.list.selectItem(0);
    QCOMPARE(view.list.selectedIndex(), -1);
  }

  void asksOnlyForTheVisibleCells() {
    CountingList view;
    view.list.setItemCount(100'000'000);
    view.calls = 0;
    view.parent.grab();
    const int visible = view.list.countPerPage() + 1;
    QVERIFY(view.calls > 0);
    QVERIFY(view.calls <= visible * 2);
    // Scrolled to the end, the last rows are asked for.
    view.list.ensureVisible(99'999'999);
    QCOMPARE(view.list.topIndex() + view.list.countPerPage() - 1, 99'999'999);
    QCOMPARE(view.list.cellText(99'999'999, 1), QString("99999999:1"));
  }

  void textsGoThroughCodePage936() {
    QWidget parent;
    VirtualList& list = *new VirtualList;
    list.create(&parent, 0, 0, 300, 200);
    list.insertColumn(-1, "Data", 200);
    const char* bytes[] = {"\xD6\xD0\xCE\xC4", "\x80", "x\x81\x7Fy", "ab\xD6"};
    list.setItemTextHandler(
        [&](ListItemRequest& request, char* buffer) { std::strcpy(buffer, bytes[request.row]); });
    list.setItemCount(4);
    QCOMPARE(list.cellText(0, 0), QString("中文"));
    QCOMPARE(list.cellText(1, 0), QString("€"));  // code page 936 has the euro at 0x80
    // Bytes that are no character show as such; the rest of the text still shows.
    const QString broken = list.cellText(2, 0);
    QVERIFY2(broken.startsWith('x') && broken.endsWith('y') && broken.size() > 2,
             qPrintable(broken));
    QCOMPARE(list.cellText(3, 0).left(2), QString("ab"));
  }

  void selectionAndCount() {
    CountingList view;
    view.list.setItemCount(10);
    view.list.selectItem(4);
    QCOMPARE(view.list.selectedIndex(), 4);
    view.list.clearItems();
    view.list.setItemCount(10);
    QCOMPARE(view.list.selectedIndex(), -1);
    view.list.selectItem(10);  // past the count: refused
    QCOMPARE(view.list.selectedIndex(), -1);
    view.list.selectItem(9);
    view.list.setItemCount(9);  // the selected row is gone
    QCOMPARE(view.list.selectedIndex(), -1);
    view.list.setSingleSelection(false, true);
    view.list.selectItem(1);
    QCOMPARE(view.list.selectedIndex(), -1);
  }

  void secondCreateChangesNothing() {
    CountingList view;
    QWidget other;
    QVERIFY(!view.list.create(&other, 5, 5, 50, 50));
    QCOMPARE(view.list.parentWidget(), &view.parent);
    QCOMPARE(view.list.geometry(), QRect(0, 0, 600, 300));
    QCOMPARE(view.list.columnCount(), 2);
    QCOMPARE(view.list.columnTitle(1), QString("Data"));
    QCOMPARE(view.list.columnWidth(0), 70);
    VirtualList unplaced;
    QVERIFY(!unplaced.create(nullptr, 0, 0, 10, 10));
  }

  void mouseSelectsAndRightClickReachesItsHandler() {
    CountingList view;
    view.parent.show();
    int rightClicks = 0;
    view.list.setRightClickHandler([&] { ++rightClicks; });
    view.list.setItemCount(3);
    const int height = view.list.rowHeight();
    QTest::mouseClick(view.list.viewport(), Qt::RightButton, {}, QPoint(20, height + height / 2));
    QCOMPARE(view.list.selectedIndex(), 1);
    // Below the last row: the menu opens all the same, and nothing is selected.
    QTest::mouseClick(view.list.viewport(), Qt::RightButton, {}, QPoint(20, height * 10));
    QCOMPARE(rightClicks, 2);
    QCOMPARE(view.list.selectedIndex(), -1);
  }
};

QTEST_MAIN(ListViewTest)
#include "list_view_test.moc"
