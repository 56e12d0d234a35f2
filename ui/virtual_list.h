#pragma once
// VirtualList: an owner-data list view.
//
// The view stores no row: it holds a row count, one selected row and its columns, and asks the
// item-text handler for the text of each visible cell when it paints. Changing the row count
// therefore costs the same for ten rows as for a hundred million. It scrolls by whole rows.
//
// Window thread only. Jobs reach it through the window's JobHost, which carries their
// clearItems and setItemCount over to this thread.
#include <QAbstractScrollArea>
#include <functional>

#include "ui/list_items.h"

class QHeaderView;

namespace quorvan::ui {

class ColumnModel;

// Writes the cell's text as GBK bytes into a zero-filled buffer of kItemTextBufferSize bytes.
using ItemTextHandler = std::function<void(ListItemRequest& request, char* buffer)>;
using ListEventHandler = std::function<void()>;

class VirtualList : public QAbstractScrollArea {
  Q_OBJECT

 public:
  VirtualList();
  ~VirtualList() override;

  // Places the view in `parent`; false when it is already placed or there is no parent.
  bool create(QWidget* parent, int left, int top, int width, int height,
              bool noColumnHeader = false);
  bool isCreated() const { return created_; }

  // Appends when `index` is -1 or past the last column; returns the new column's index.
  int insertColumn(int index, const QString& title, int width = 50);
  int columnCount() const;
  void deleteColumn(int index);
  void setColumnTitle(int index, const QString& title);
  QString columnTitle(int index) const;
  void setColumnWidth(int index, int width);
  int columnWidth(int index) const;

  // Handlers are kept only once the view is created.
  void setItemTextHandler(ItemTextHandler handler);
  void setClickHandler(ListEventHandler handler);
  void setDoubleClickHandler(ListEventHandler handler);
  void setRightClickHandler(ListEventHandler handler);

  // With `change`, switches the option; returns whether it is on.
  bool setFullRowSelect(bool on, bool change = true);
  bool setSingleSelection(bool on, bool change = true);

  // The number of rows. A selection at or past the new count is dropped.
  void setItemCount(int32_t count);
  int32_t itemCount() const { return count_; }
  // No rows, no selection, back at the top.
  void clearItems();

  // The selected row, or -1 (none, no rows, or not in single-selection mode).
  int selectedIndex() const;
  // Selects the row in single-selection mode; otherwise nothing.
  void selectItem(int row);
  // Selects the row; a row at or past the count is refused.
  void setSelected(int row);
  void deselectItem(int row);
  // Scrolls as little as needed to bring the row into view.
  void ensureVisible(int row);
  // The first row in view and the number of rows that fit wholly.
  int topIndex() const;
  int countPerPage() const;
  // The text a cell shows (what the handler writes, through code page 936); empty for a row
  // at or past the count.
  QString cellText(int row, int column) const;

  // The row at a point of the viewport, or -1 below the last row.
  int rowAt(int y) const;
  int rowHeight() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void updateGeometries();
  void updateScrollBars();

  bool created_ = false;
  bool fullRowSelect_ = false;
  bool singleSelection_ = false;
  int32_t count_ = 0;
  int selected_ = -1;
  ColumnModel* columns_;
  QHeaderView* header_;
  ItemTextHandler itemText_;
  ListEventHandler onClick_;
  ListEventHandler onDoubleClick_;
  ListEventHandler onRightClick_;
};

}  // namespace quorvan::ui
