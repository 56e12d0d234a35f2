#include "ui/virtual_list.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gbk.h"

namespace quorvan::ui {

// The columns of the view and nothing else: the header needs a model, and this one has no
// rows, so the header's bookkeeping never grows with the row count.
class ColumnModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& = {}) const override { return 0; }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : int(titles_.size());
  }
  QVariant data(const QModelIndex&, int) const override { return {}; }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || section < 0 || section >= int(titles_.size())) return {};
    if (role == Qt::DisplayRole) return titles_[size_t(section)];
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
  }

  void insert(int index, const QString& title) {
    beginInsertColumns({}, index, index);
    titles_.insert(titles_.begin() + index, title);
    endInsertColumns();
  }
  void remove(int index) {
    beginRemoveColumns({}, index, index);
    titles_.erase(titles_.begin() + index);
    endRemoveColumns();
  }
  void setTitle(int index, const QString& title) {
    titles_[size_t(index)] = title;
    emit headerDataChanged(Qt::Horizontal, index, index);
  }
  QString title(int index) const { return titles_[size_t(index)]; }
  int count() const { return int(titles_.size()); }

 private:
  std::vector<QString> titles_;
};

VirtualList::VirtualList()
    : columns_(new ColumnModel(this)), header_(new QHeaderView(Qt::Horizontal, this)) {
  header_->setModel(columns_);
  header_->setSectionsClickable(false);
  header_->setHighlightSections(false);
  header_->setStretchLastSection(false);
  header_->setSectionResizeMode(QHeaderView::Interactive);
  header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setFrameShape(QFrame::StyledPanel);
  setFocusPolicy(Qt::StrongFocus);
  verticalScrollBar()->setSingleStep(1);
  connect(header_, &QHeaderView::sectionResized, this, [this] {
    updateScrollBars();
    viewport()->update();
  });
}

VirtualList::~VirtualList() = default;

bool VirtualList::create(QWidget* parent, int left, int top, int width, int height,
                         bool noColumnHeader) {
  if (created_ || parent == nullptr) return false;
  setParent(parent);
  setGeometry(left, top, width, height);
  header_->setVisible(!noColumnHeader);
  created_ = true;
  updateGeometries();
  show();
  return true;
}

int VirtualList::insertColumn(int index, const QString& title, int width) {
  if (index < 0 || index > columns_->count()) index = columns_->count();
  columns_->insert(index, title);
  header_->resizeSection(index, width);
  updateGeometries();
  return index;
}

int VirtualList::columnCount() const { return columns_->count(); }

void VirtualList::deleteColumn(int index) {
  if (index < 0 || index >= columns_->count()) return;
  columns_->remove(index);
  updateGeometries();
}

void VirtualList::setColumnTitle(int index, const QString& title) {
  if (index >= 0 && index < columns_->count()) columns_->setTitle(index, title);
}

QString VirtualList::columnTitle(int index) const {
  return index >= 0 && index < columns_->count() ? columns_->title(index) : QString();
}

void VirtualList::setColumnWidth(int index, int width) {
  if (index >= 0 && index < columns_->count()) header_->resizeSection(index, width);
}

int VirtualList::columnWidth(int index) const {
  return index >= 0 && index < columns_->count() ? header_->sectionSize(index) : 0;
}

void VirtualList::setItemTextHandler(ItemTextHandler handler) {
  if (created_) itemText_ = std::move(handler);
}
void VirtualList::setClickHandler(ListEventHandler handler) {
  if (created_) onClick_ = std::move(handler);
}
void VirtualList::setDoubleClickHandler(ListEventHandler handler) {
  if (created_) onDoubleClick_ = std::move(handler);
}
void VirtualList::setRightClickHandler(ListEventHandler handler) {
  if (created_) onRightClick_ = std::move(handler);
}

bool VirtualList::setFullRowSelect(bool on, bool change) {
  if (change) {
    fullRowSelect_ = on;
    viewport()->update();
  }
  return fullRowSelect_;
}

bool VirtualList::setSingleSelection(bool on, bool change) {
  if (change) singleSelection_ = on;
  return singleSelection_;
}

void VirtualList::setItemCount(int32_t count) {
  count_ = std::max(count, 0);
  if (selected_ >= count_) selected_ = -1;
  updateScrollBars();
  viewport()->update();
}

void VirtualList::clearItems() {
  count_ = 0;
  selected_ = -1;
  updateScrollBars();
  verticalScrollBar()->setValue(0);
  viewport()->update();
}

int VirtualList::selectedIndex() const { return singleSelection_ ? selected_ : -1; }

void VirtualList::selectItem(int row) {
  if (singleSelection_) setSelected(row);
}

void VirtualList::setSelected(int row) {
  if (row < 0 || row >= count_) return;
  selected_ = row;
  viewport()->update();
}

void VirtualList::deselectItem(int row) {
  if (row >= 0 && row == selected_) {
    selected_ = -1;
    viewport()->update();
  }
}

void VirtualList::ensureVisible(int row) {
  if (row < 0 || row >= count_) return;
  const int top = topIndex();
  const int page = std::max(countPerPage(), 1);
  if (row < top) {
    verticalScrollBar()->setValue(row);
  } else if (row > top + page - 1) {
    verticalScrollBar()->setValue(row - page + 1);
  }
}

int VirtualList::topIndex() const { return verticalScrollBar()->value(); }

int VirtualList::countPerPage() const { return viewport()->height() / rowHeight(); }

int VirtualList::rowHeight() const { return std::max(fontMetrics().height() + 4, 16); }

int VirtualList::rowAt(int y) const {
  if (y < 0) return -1;
  const int64_t row = int64_t(topIndex()) + y / rowHeight();
  return row < count_ ? int(row) : -1;
}

QString VirtualList::cellText(int row, int column) const {
  if (row < 0 || row >= count_ || !itemText_) return {};
  char buffer[kItemTextBufferSize] = {};
  ListItemRequest request{row, column, 0, 0};
  itemText_(request, buffer);
  // The text ends at the first zero; a handler that fills the whole buffer is cut at its end.
  const std::string_view bytes(buffer, strnlen(buffer, kItemTextBufferSize));
  return QString::fromStdString(platform::gbkToUtf8Lossy(bytes));
}

void VirtualList::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QPalette& colours = palette();
  const int height = rowHeight();
  const int visibleRows = viewport()->height() / height + 1;
  const int top = topIndex();
  const int rowWidth = std::max(header_->length() - horizontalScrollBar()->value(), 0);
  for (int i = 0; i < visibleRows; ++i) {
    const int64_t row = int64_t(top) + i;
    if (row >= count_) break;
    const int y = i * height;
    const bool selected = row == selected_;
    if (selected) {
      const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
      const int width = fullRowSelect_ || columns_->count() == 0
                            ? rowWidth
                            : header_->sectionViewportPosition(0) + header_->sectionSize(0);
      painter.fillRect(QRect(0, y, width, height), colours.brush(group, QPalette::Highlight));
      painter.setPen(colours.color(group, QPalette::HighlightedText));
    } else {
      painter.setPen(colours.color(QPalette::Text));
    }
    for (int column = 0; column < columns_->count(); ++column) {
      const int x = header_->sectionViewportPosition(column);
      const int width = header_->sectionSize(column);
      if (x + width < 0 || x > viewport()->width()) continue;
      const QRect cell(x + 4, y, width - 8, height);
      const QString text = painter.fontMetrics().elidedText(cellText(int(row), column),
                                                            Qt::ElideRight, cell.width());
      painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
      if (selected && !fullRowSelect_) painter.setPen(colours.color(QPalette::Text));
    }
  }
}

void VirtualList::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateGeometries();
}

void VirtualList::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const int row = rowAt(int(event->position().y()));
  if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
    if (row >= 0) {
      setSelected(row);
    } else if (selected_ >= 0) {
      selected_ = -1;
      viewport()->update();
    }
  }
  if (event->button() == Qt::LeftButton && onClick_) onClick_();
  if (event->button() == Qt::RightButton && onRightClick_) onRightClick_();
}

void VirtualList::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && onDoubleClick_) onDoubleClick_();
}

void VirtualList::keyPressEvent(QKeyEvent* event) {
  if (count_ == 0) return QAbstractScrollArea::keyPressEvent(event);
  const int page = std::max(countPerPage(), 1);
  const int current = selected_ < 0 ? topIndex() : selected_;
  int target = -1;
  switch (event->key()) {
    case Qt::Key_Up:
      target = current - 1;
      break;
    case Qt::Key_Down:
      target = selected_ < 0 ? current : current + 1;
      break;
    case Qt::Key_PageUp:
      target = current - page;
      break;
    case Qt::Key_PageDown:
      target = current + page;
      break;
    case Qt::Key_Home:
      target = 0;
      break;
    case Qt::Key_End:
      target = count_ - 1;
      break;
    default:
      return QAbstractScrollArea::keyPressEvent(event);
  }
  target = std::clamp(target, 0, count_ - 1);
  setSelected(target);
  ensureVisible(target);
}

void VirtualList::scrollContentsBy(int, int) {
  header_->setOffset(horizontalScrollBar()->value());
  viewport()->update();
}

void VirtualList::updateGeometries() {
  const int headerHeight = header_->isHidden() ? 0 : header_->sizeHint().height();
  setViewportMargins(0, headerHeight, 0, 0);
  const QRect area = viewport()->geometry();
  header_->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);
  updateScrollBars();
}

void VirtualList::updateScrollBars() {
  const int page = std::max(countPerPage(), 1);
  verticalScrollBar()->setPageStep(page);
  verticalScrollBar()->setRange(0, std::max(count_ - page, 0));
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setRange(0, std::max(header_->length() - viewport()->width(), 0));
  header_->setOffset(horizontalScrollBar()->value());
}

}  // namespace quorvan::ui
