// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 25-row channel grid in the frame "信道设置": the cells, the tone editors laid over the
// tone cells, and the events the window's grid handlers need. The grid holds no channel rule;
// it reports clicks, double-clicks and edits and shows a sheet.

#include <QGroupBox>
#include <QLineEdit>
#include <array>
#include <map>

#include "channels/sheet.h"
#include "ui/choice_box.h"
#include "ui/grid_state.h"

namespace m27 {

enum class Cell { rx_frequency, rx_tone, tx_frequency, tx_tone, bandwidth };

// The field of a channel row a grid column shows.
inline std::string ChannelRow::*field_of(Cell column) {
  switch (column) {
    case Cell::rx_frequency:
      return &ChannelRow::rx_frequency;
    case Cell::rx_tone:
      return &ChannelRow::rx_tone;
    case Cell::tx_frequency:
      return &ChannelRow::tx_frequency;
    case Cell::tx_tone:
      return &ChannelRow::tx_tone;
    case Cell::bandwidth:
      return &ChannelRow::bandwidth;
  }
  return &ChannelRow::rx_frequency;
}

class ChannelGrid : public QGroupBox {
  Q_OBJECT

 public:
  explicit ChannelGrid(QWidget* parent);

  // Shows the sheet's rows (texts, rows enabled) and the grid's own state over them: tab stops,
  // and each tone editor open (shown over its cell, its list filled from the current tone list
  // when it opens) or closed. The lists of the row-0 editors always hold the tones of the sheet's
  // mode.
  void show_sheet(const Sheet& sheet, const GridState& grid);

  QLineEdit* cell(Cell column, int row) const;
  ChoiceBox* rx_tone_editor(int row) const { return rows_[row].rx_tone_editor; }
  ChoiceBox* tx_tone_editor(int row) const { return rows_[row].tx_tone_editor; }

 signals:
  void clicked(Cell column, int row);
  void double_clicked(Cell column, int row);
  void edited(Cell column, int row, const QString& text);
  // A choice in a transmit-tone editor.
  void tone_editor_chosen(int row, const QString& text);
  // A choice or typed change in a receive-tone editor.
  void rx_tone_editor_changed(int row, const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct RowWidgets {
    QLineEdit* rx_frequency = nullptr;
    QLineEdit* rx_tone = nullptr;
    QLineEdit* tx_frequency = nullptr;
    QLineEdit* tx_tone = nullptr;
    QLineEdit* bandwidth = nullptr;
    ChoiceBox* rx_tone_editor = nullptr;
    ChoiceBox* tx_tone_editor = nullptr;
  };
  struct CellRef {
    Cell column;
    int row;
  };

  void build_header();
  void build_row(int row);
  QLineEdit* make_cell(Cell column, int row, int width);
  ChoiceBox* make_editor(const char* array, int row, ChoiceBox::Typing typing, int width);
  bool filter_frequency_key(QKeyEvent* event);
  bool toggle_bandwidth_key(QKeyEvent* event, int row);
  void fill_reference_lists(ToneMode mode);
  void show_editor(QLineEdit* cell, ChoiceBox* editor, const std::optional<std::string>& text,
                   ToneMode mode);

  std::array<RowWidgets, kRows> rows_;
  std::map<const QObject*, CellRef> cells_;
  std::optional<ToneMode> reference_mode_;
};

}  // namespace m27
