// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel grid in the frame "信道设置": one table of 25 rows over the window's sheet and the
// grid's state, the tone editors the state holds open, and the grid's commands (copy, paste,
// move, insert, delete, fill down) for the edit menu, the context menu and their keys. The
// clicks the window's rules answer (a tone editor opened, a bandwidth toggled) go out as
// signals, with the selection they may apply to.

#include <QGroupBox>
#include <vector>

#include "channels/sheet.h"
#include "ui/grid/channel_model.h"
#include "ui/grid/grid_rows.h"
#include "ui/grid/grid_state.h"
#include "ui/grid/grid_view.h"

class QAction;

namespace m27 {

class ChoiceBox;
class FrequencyDelegate;
class ToneDelegate;

class ChannelGrid : public QGroupBox {
  Q_OBJECT

 public:
  ChannelGrid(Sheet& sheet, GridState& grid, ChannelModel::Edit edit, QWidget* parent);

  // Shows the sheet and the grid's state again: texts, rows in use, cells in error, and each
  // tone editor open (its list filled from the current mode's when it opens) or closed.
  void show_sheet();

  GridView* view() const { return view_; }
  ChannelModel* model() const { return model_; }
  // The open tone editor of a cell, else null.
  ChoiceBox* tone_editor(CellPos cell) const;
  // 复制, 粘贴, 上移, 下移, 插入信道, 删除信道, 向下填充, with their keys.
  const std::vector<QAction*>& commands() const { return commands_; }

  void copy();
  void paste();
  void move(int step);
  void move_up();
  void move_down();
  void insert_channel();
  void delete_channels();
  void fill_down();

 signals:
  // A plain click on a cell; `selection`: the selected cells of its column when it is one of
  // several, else empty.
  void clicked(Cell column, int row, const std::vector<CellPos>& selection);
  void double_clicked(Cell column, int row);
  // A choice in a transmit-tone editor; a choice or typed change in a receive-tone editor.
  void tone_editor_chosen(int row, const QString& text, const std::vector<CellPos>& selection);
  void rx_tone_editor_changed(int row, const QString& text, const std::vector<CellPos>& selection);
  // A command refused, with the message to show.
  void refused(const QString& message);

 private:
  void changeEvent(QEvent* event) override;
  void build_commands();
  void show_headings();
  QAction* add_command(const char* name, const char* caption, const QKeySequence& keys,
                       void (ChannelGrid::*command)());
  void show_tone_editor(CellPos cell, const std::optional<std::string>& text);
  void row_dragged(int from, int to);
  void select_rows(const std::vector<int>& rows);
  void tell(const std::optional<QString>& refusal);

  Sheet& sheet_;
  GridState& grid_;
  ChannelModel* model_;
  GridView* view_;
  FrequencyDelegate* frequency_delegate_;
  ToneDelegate* tone_delegate_;
  std::vector<QAction*> commands_;
};

}  // namespace m27
