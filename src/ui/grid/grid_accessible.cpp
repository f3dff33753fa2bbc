// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/grid_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <map>

#include "ui/grid/grid_view.h"

namespace m27 {
namespace {

// A cell, or a header cell when `row` or `column` is -1.
class GridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  GridCellAccessible(GridView* view, int row, int column)
      : view_(view), row_(row), column_(column) {}

  bool isValid() const override { return view_ != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_->window()->windowHandle(); }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(view_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (row_ < 0 || column_ < 0) {
      if (t != QAccessible::Name) return {};
      return row_ < 0 ? model()->headerData(column_, Qt::Horizontal).toString()
                      : model()->headerData(row_, Qt::Vertical).toString();
    }
    if (t == QAccessible::Name) return index().data().toString();
    if (t == QAccessible::Description)
      return index().data(Qt::AccessibleDescriptionRole).toString();
    return {};
  }

  QRect rect() const override {
    if (row_ < 0 || column_ < 0) return {};
    const QRect r = view_->visualRect(index());
    return QRect(view_->viewport()->mapToGlobal(r.topLeft()), r.size());
  }

  QAccessible::Role role() const override {
    if (row_ < 0) return QAccessible::ColumnHeader;
    if (column_ < 0) return QAccessible::RowHeader;
    return QAccessible::Cell;
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (row_ < 0 || column_ < 0) return state;
    const Qt::ItemFlags flags = index().flags();
    state.disabled = !(flags & Qt::ItemIsEnabled);
    state.selectable = state.focusable = state.extSelectable = bool(flags & Qt::ItemIsSelectable);
    state.editable = bool(flags & Qt::ItemIsEditable);
    state.selected = isSelected();
    state.focused = view_->currentIndex() == index();
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface && row_ >= 0 && column_ >= 0
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
  }

  bool isSelected() const override { return view_->selectionModel()->isSelected(index()); }
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override;
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  const QAbstractItemModel* model() const { return view_->model(); }
  QModelIndex index() const { return model()->index(row_, column_); }

  QPointer<GridView> view_;
  int row_;
  int column_;
};

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit GridAccessible(GridView* view) : QAccessibleWidget(view, QAccessible::Table) {}
  ~GridAccessible() override {
    for (const auto& [place, id] : cells_) QAccessible::deleteAccessibleInterface(id);
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // The children: the column headers, then each row's header and its cells.
  int childCount() const override { return (rowCount() + 1) * (columnCount() + 1) - 1; }
  QAccessibleInterface* child(int i) const override {
    const int place = i + 1;
    return cell(place / (columnCount() + 1) - 1, place % (columnCount() + 1) - 1);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (const auto& [place, id] : cells_) {
      if (QAccessible::accessibleInterface(id) == child) {
        return (place.first + 1) * (columnCount() + 1) + place.second + 1 - 1;
      }
    }
    return -1;
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QString columnDescription(int column) const override {
    return model()->headerData(column, Qt::Horizontal).toString();
  }
  QString rowDescription(int row) const override {
    return model()->headerData(row, Qt::Vertical).toString();
  }
  int columnCount() const override { return model()->columnCount(); }
  int rowCount() const override { return model()->rowCount(); }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    return cell(row, column);
  }

  int selectedCellCount() const override { return int(selection()->selectedIndexes().size()); }
  QList<QAccessibleInterface*> selectedCells() const override {
    QList<QAccessibleInterface*> cells;
    for (const QModelIndex& index : selection()->selectedIndexes()) {
      cells << cell(index.row(), index.column());
    }
    return cells;
  }
  int selectedColumnCount() const override { return int(selectedColumns().size()); }
  int selectedRowCount() const override { return int(selectedRows().size()); }
  QList<int> selectedColumns() const override {
    QList<int> columns;
    for (const QModelIndex& index : selection()->selectedColumns()) columns << index.column();
    return columns;
  }
  QList<int> selectedRows() const override {
    QList<int> rows;
    for (const QModelIndex& index : selection()->selectedRows()) rows << index.row();
    return rows;
  }
  bool isColumnSelected(int column) const override {
    return selection()->isColumnSelected(column, {});
  }
  bool isRowSelected(int row) const override { return selection()->isRowSelected(row, {}); }
  bool selectRow(int row) override {
    selection()->select(model()->index(row, 0),
                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return true;
  }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int row) override {
    selection()->select(model()->index(row, 0),
                        QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    return true;
  }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  GridView* view() const { return static_cast<GridView*>(widget()); }
  const QAbstractItemModel* model() const { return view()->model(); }
  QItemSelectionModel* selection() const { return view()->selectionModel(); }

  // One interface per place, kept for the table's life.
  QAccessibleInterface* cell(int row, int column) const {
    const auto found = cells_.find({row, column});
    if (found != cells_.end()) return QAccessible::accessibleInterface(found->second);
    auto* made = new GridCellAccessible(view(), row, column);
    cells_[{row, column}] = QAccessible::registerAccessibleInterface(made);
    return made;
  }

  mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

QList<QAccessibleInterface*> GridCellAccessible::columnHeaderCells() const {
  auto* grid = static_cast<GridAccessible*>(parent());
  return {grid->child(column_)};
}

QList<QAccessibleInterface*> GridCellAccessible::rowHeaderCells() const {
  auto* grid = static_cast<GridAccessible*>(parent());
  return {grid->child((row_ + 1) * (grid->columnCount() + 1) - 1)};
}

}  // namespace

QAccessibleInterface* grid_accessible(const QString&, QObject* object) {
  auto* view = qobject_cast<GridView*>(object);
  return view ? new GridAccessible(view) : nullptr;
}

}  // namespace m27
