// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid's table view: selection and keys as in a spreadsheet. Shift+click, Ctrl+click and a
// drag only select; a plain click (no key held, no drag) is the cell's click, which opens a tone
// editor or toggles a bandwidth. A plain click inside a selection of several cells of one column
// keeps the selection, so the click's choice can go to all of them. Tab (and Enter in a
// receive-frequency cell) skips frequency cells that are no tab stop and rows beyond the total.
// The grid's lines are filled in as thin rectangles where Qt would draw them: Qt strokes each one
// pixel by pixel, which cost as much as drawing all the cells' texts.

#include <QTableView>
#include <functional>
#include <vector>

#include "ui/grid/grid_rows.h"
#include "ui/grid/grid_state.h"

namespace m27 {

class GridView : public QTableView {
  Q_OBJECT

 public:
  GridView(const GridState& grid, QWidget* parent);

  // The cells selected, row by row.
  std::vector<CellPos> selected_cells() const;
  // The rows that hold a selected cell, and the rows selected whole.
  std::vector<int> selected_rows() const;
  std::vector<int> whole_rows_selected() const;
  // The selected cells of the column of `cell` when `cell` is among several of them, else none.
  std::vector<CellPos> column_selection_with(CellPos cell) const;
  CellPos current_cell() const;

  // An open frequency editor closes (what it holds is in the sheet already).
  void end_typing();
  // The current cell moves as Tab moves it.
  void move_on();

  void selectAll() override;

 signals:
  void cell_clicked(CellPos cell);
  void cell_double_clicked(CellPos cell);
  // The Delete key while every selected cell's row is selected whole.
  void delete_rows_key();

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // A typed key never jumps to a cell that starts with it.
  void keyboardSearch(const QString&) override {}

 private:
  bool tab_stop(const QModelIndex& index) const;
  void draw_grid_lines(QPainter& painter, const QRect& area) const;

  const GridState& grid_;
  QPersistentModelIndex pressed_;  // of a plain press, until it is released or dragged
  QPoint press_position_;
};

}  // namespace m27
