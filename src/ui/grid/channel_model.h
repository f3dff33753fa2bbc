// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel table as Qt's views see it: 25 rows of the window's sheet, five columns, the
// channel numbers and the captions as headers, rows beyond the channel total disabled, cells the
// check before a write would refuse in the error colour with the reason. Every change goes
// through `edit`, one undoable step per user action; what a structural action refuses comes back
// as the message to show.

#include <QAbstractTableModel>
#include <functional>
#include <optional>
#include <vector>

#include "channels/sheet.h"
#include "ui/grid/grid_rows.h"
#include "ui/grid/grid_state.h"

namespace m27 {

class ChannelModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Makes `change` one undoable step named `what`; `cell` >= 0 merges typing into one cell.
  using Edit =
      std::function<void(const QString& what, const std::function<void()>& change, int cell)>;

  ChannelModel(Sheet& sheet, GridState& grid, Edit edit, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Typing into a frequency cell, each key as it comes.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // The sheet or the grid's state changed behind the model.
  void refresh();

  static CellPos cell_of(const QModelIndex& index);
  QModelIndex index_of(CellPos cell) const;

  // Each one step, open edits committed first; a refusal changes nothing.
  std::optional<QString> paste(const QString& text, bool exact, CellPos at,
                               const std::vector<CellPos>& selection);
  std::vector<int> move_rows(const std::vector<int>& rows, int step);
  void move_row_to(int from, int to);
  std::optional<QString> insert_channel(int row);
  std::optional<QString> delete_channels(const std::vector<int>& rows);
  void fill_down(const std::vector<CellPos>& cells);
  void set_cells(const std::vector<CellPos>& cells, const QString& text);

  const Sheet& sheet() const { return sheet_; }

  // How many channels hold a cell in error.
  int channels_in_error() const;

 private:
  using Change = std::function<std::optional<Words>(Sheet& sheet)>;
  // The change on a copy of the sheet with open edits committed; taken only when not refused.
  std::optional<QString> attempt(const QString& what, const Change& change);

  Sheet& sheet_;
  GridState& grid_;
  Edit edit_;
};

}  // namespace m27
