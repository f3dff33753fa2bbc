// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/grid_view.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <set>

#include "channels/channel_table.h"
#include "channels/grid_edit.h"
#include "ui/grid/channel_model.h"
#include "ui/grid/grid_accessible.h"
#include "ui/grid/grid_header.h"

namespace m27 {
namespace {

bool types_text(const QKeyEvent* key) {
  const Qt::KeyboardModifiers held = key->modifiers();
  if ((held & (Qt::ControlModifier | Qt::MetaModifier)) && !(held & Qt::AltModifier)) return false;
  const QString text = key->text();
  return !text.isEmpty() &&
         std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

}  // namespace

GridView::GridView(const GridState& grid, QWidget* parent) : QTableView(parent), grid_(grid) {
  static const bool accessible = [] {
    QAccessible::installFactory(grid_accessible);
    return true;
  }();
  (void)accessible;
  setObjectName(QStringLiteral("channel_table"));
  setHorizontalHeader(new GridHeader(Qt::Horizontal, this));
  setVerticalHeader(new GridHeader(Qt::Vertical, this));
  setSelectionMode(ExtendedSelection);
  setSelectionBehavior(SelectItems);
  setEditTriggers(AnyKeyPressed | EditKeyPressed);
  setTabKeyNavigation(true);
  setAcceptDrops(false);  // a dropped channel file goes to the window
  setWordWrap(false);
  setGridStyle(Qt::NoPen);  // the cells keep their room for the lines, draw_grid_lines draws them
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(20);
  verticalHeader()->setSectionsMovable(true);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

std::vector<CellPos> GridView::selected_cells() const {
  std::vector<CellPos> cells;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
    cells.push_back(ChannelModel::cell_of(index));
  }
  std::sort(cells.begin(), cells.end(), [](CellPos a, CellPos b) {
    return std::pair(a.row, a.column) < std::pair(b.row, b.column);
  });
  return cells;
}

std::vector<int> GridView::selected_rows() const {
  std::set<int> rows;
  for (const CellPos& cell : selected_cells()) rows.insert(cell.row);
  if (rows.empty() && currentIndex().isValid()) rows.insert(currentIndex().row());
  return {rows.begin(), rows.end()};
}

std::vector<int> GridView::whole_rows_selected() const {
  std::vector<int> rows;
  for (int row : selected_rows()) {
    if (selectionModel()->isRowSelected(row, {})) rows.push_back(row);
  }
  return rows;
}

std::vector<CellPos> GridView::column_selection_with(CellPos cell) const {
  const std::vector<CellPos> cells = selected_cells();
  const bool one_column =
      std::all_of(cells.begin(), cells.end(), [&](CellPos c) { return c.column == cell.column; });
  const bool holds = std::find(cells.begin(), cells.end(), cell) != cells.end();
  if (cells.size() < 2 || !one_column || !holds) return {};
  return cells;
}

CellPos GridView::current_cell() const { return ChannelModel::cell_of(currentIndex()); }

void GridView::end_typing() {
  if (state() != EditingState) return;
  if (QWidget* editor = indexWidget(currentIndex())) {
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

void GridView::move_on() {
  const QModelIndex next = moveCursor(MoveNext, Qt::NoModifier);
  if (next.isValid()) setCurrentIndex(next);
  setFocus();
}

void GridView::selectAll() {
  const int total = channels_in_use(static_cast<const ChannelModel*>(model())->sheet());
  if (total == 0) return;
  selectionModel()->select(
      QItemSelection(model()->index(0, 0), model()->index(total - 1, kColumns - 1)),
      QItemSelectionModel::ClearAndSelect);
}

bool GridView::tab_stop(const QModelIndex& index) const {
  if (!(model()->flags(index) & Qt::ItemIsEnabled)) return false;
  switch (ChannelModel::cell_of(index).column) {
    case Cell::rx_frequency:
      return grid_[index.row()].rx_tab_stop;
    case Cell::tx_frequency:
      return grid_[index.row()].tx_tab_stop;
    default:
      return true;
  }
}

QModelIndex GridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  if (action != MoveNext && action != MovePrevious)
    return QTableView::moveCursor(action, modifiers);
  const int step = action == MoveNext ? 1 : -1;
  const QModelIndex current = currentIndex();
  int at = current.isValid() ? current.row() * kColumns + current.column() : -step;
  for (at += step; at >= 0 && at < kRows * kColumns; at += step) {
    const QModelIndex index = model()->index(at / kColumns, at % kColumns);
    if (tab_stop(index)) return index;
  }
  return current;
}

void GridView::keyPressEvent(QKeyEvent* event) {
  const CellPos cell = current_cell();
  const bool enabled =
      currentIndex().isValid() && (model()->flags(currentIndex()) & Qt::ItemIsEnabled);
  const int key = event->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (enabled && enter && cell.column == Cell::rx_frequency &&
      event->modifiers() == Qt::NoModifier) {
    move_on();
    return;
  }
  // Space and Enter toggle a bandwidth cell as a click does, for whoever works by keyboard.
  if (enabled && cell.column == Cell::bandwidth && (enter || key == Qt::Key_Space)) {
    emit cell_clicked(cell);
    return;
  }
  if (key == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    const auto whole = whole_rows_selected();
    if (!whole.empty() && whole.size() == selected_rows().size()) emit delete_rows_key();
    return;
  }
  // Typing on a receive tone opens its editor, as a click does, and goes on in it.
  if (enabled && cell.column == Cell::rx_tone && types_text(event)) {
    emit cell_clicked(cell);
    if (auto* editor = qobject_cast<QComboBox*>(indexWidget(currentIndex()))) {
      editor->lineEdit()->selectAll();
      QApplication::sendEvent(editor->lineEdit(), event);
    }
    return;
  }
  // A key the receive-frequency filter drops opens no editor.
  if (enabled && cell.column == Cell::rx_frequency && types_text(event) &&
      !frequency_input_allowed(event->text().toStdString())) {
    return;
  }
  QTableView::keyPressEvent(event);
}

void GridView::mousePressEvent(QMouseEvent* event) {
  pressed_ = QPersistentModelIndex();
  const QModelIndex index = indexAt(event->position().toPoint());
  const bool plain = event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier;
  if (plain && index.isValid() && (model()->flags(index) & Qt::ItemIsEnabled)) {
    pressed_ = index;
    press_position_ = event->position().toPoint();
    if (!column_selection_with(ChannelModel::cell_of(index)).empty()) {
      selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
      return;
    }
  }
  QTableView::mousePressEvent(event);
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
  if (pressed_.isValid() && (event->position().toPoint() - press_position_).manhattanLength() >=
                                QApplication::startDragDistance()) {
    pressed_ = QPersistentModelIndex();
  }
  QTableView::mouseMoveEvent(event);
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  const QModelIndex index = indexAt(event->position().toPoint());
  const bool click = pressed_.isValid() && index == pressed_;
  pressed_ = QPersistentModelIndex();
  if (click) emit cell_clicked(ChannelModel::cell_of(index));
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && index.isValid() &&
      (model()->flags(index) & Qt::ItemIsEnabled)) {
    emit cell_double_clicked(ChannelModel::cell_of(index));
  }
}

void GridView::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  const QRect cells(0, 0, horizontalHeader()->length() - horizontalHeader()->offset(),
                    verticalHeader()->length() - verticalHeader()->offset());
  QPainter painter(viewport());
  for (const QRect& dirty : event->region()) draw_grid_lines(painter, dirty & cells);
}

// The last pixel row of each row and the last pixel column of each column, across `area`.
void GridView::draw_grid_lines(QPainter& painter, const QRect& area) const {
  if (area.isEmpty()) return;
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  const QColor colour = QColor::fromRgba(
      static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
  for (int row = 0; row < model()->rowCount(); ++row) {
    const int y = rowViewportPosition(row) + rowHeight(row) - 1;
    if (y >= area.top() && y <= area.bottom())
      painter.fillRect(area.left(), y, area.width(), 1, colour);
  }
  for (int column = 0; column < model()->columnCount(); ++column) {
    const int x = columnViewportPosition(column) + columnWidth(column) - 1;
    if (x >= area.left() && x <= area.right())
      painter.fillRect(x, area.top(), 1, area.height(), colour);
  }
}

}  // namespace m27
