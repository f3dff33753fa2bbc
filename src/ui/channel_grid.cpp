// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/channel_grid.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

#include "channels/frequency.h"
#include "channels/grid_edit.h"
#include "channels/tones.h"
#include "ui/paste_filter.h"
#include "ui/typing_filter.h"

namespace m27 {
namespace {

constexpr int kCellHeight = 20;

// Column widths in pixels; both frequency columns and both tone columns are alike.
constexpr int kNumberWidth = 34;
constexpr int kFrequencyWidth = 92;
constexpr int kToneWidth = 74;
constexpr int kBandwidthWidth = 56;

enum GridColumn {
  kNumberColumn,
  kRxFrequencyColumn,
  kRxToneColumn,
  kTxFrequencyColumn,
  kTxToneColumn,
  kBandwidthColumn
};

QString widget_name(const char* array, int index) {
  return QStringLiteral("%1_%2").arg(QString::fromUtf8(array)).arg(index);
}

const char* array_name(Cell column) {
  switch (column) {
    case Cell::rx_frequency:
      return "Text1";
    case Cell::rx_tone:
      return "Text5";
    case Cell::tx_frequency:
      return "Text3";
    case Cell::tx_tone:
      return "Text2";
    case Cell::bandwidth:
      return "Text4";
  }
  return "";
}

void show_text(QLineEdit* cell, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (cell->text() != shown) cell->setText(shown);
}

// A program-set text longer than the limit stays whole; the limit only holds typing back.
void show_frequency(QLineEdit* cell, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  cell->setMaxLength(std::max<int>(kMaxFrequencyLength, static_cast<int>(shown.size())));
  if (cell->text() != shown) cell->setText(shown);
}

void set_tab_stop(QWidget* cell, bool tab_stop) {
  cell->setFocusPolicy(tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
}

QStringList tone_items(ToneMode mode) {
  QStringList items;
  for (std::string_view tone : tone_table(mode)) {
    items << QString::fromUtf8(tone.data(), static_cast<qsizetype>(tone.size()));
  }
  return items;
}

QLabel* header_label(const char* name, const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setAlignment(Qt::AlignCenter);
  return label;
}

bool is_undo_or_redo(const QKeyEvent* key) {
  return key->modifiers() == Qt::ControlModifier &&
         (key->key() == Qt::Key_Z || key->key() == Qt::Key_Y);
}

}  // namespace

ChannelGrid::ChannelGrid(QWidget* parent) : QGroupBox(QStringLiteral("信道设置"), parent) {
  setObjectName(QStringLiteral("Frame1"));
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(1);
  grid->setContentsMargins(8, 6, 8, 8);
  build_header();
  for (int row = 0; row < kRows; ++row) build_row(row);
}

void ChannelGrid::build_header() {
  auto* grid = static_cast<QGridLayout*>(layout());
  grid->addWidget(header_label("Label1_0", "信道", this), 0, kNumberColumn);
  grid->addWidget(header_label("Label1_30", "接收频率", this), 0, kRxFrequencyColumn);
  grid->addWidget(header_label("Label1_26", "接收亚音", this), 0, kRxToneColumn);
  grid->addWidget(header_label("Label1_32", "发射频率", this), 0, kTxFrequencyColumn);
  grid->addWidget(header_label("Label1_33", "发射亚音", this), 0, kTxToneColumn);
  grid->addWidget(header_label("Label3", "带宽", this), 0, kBandwidthColumn);
}

void ChannelGrid::build_row(int row) {
  auto* grid = static_cast<QGridLayout*>(layout());
  const int line = row + 1;
  auto* number = new QLabel(QString::number(row + 1), this);
  number->setObjectName(widget_name("Label1", row + 1));
  number->setAlignment(Qt::AlignCenter);
  number->setFixedWidth(kNumberWidth);
  grid->addWidget(number, line, kNumberColumn);

  // Created in the order Tab walks a row.
  RowWidgets& w = rows_[row];
  w.rx_frequency = make_cell(Cell::rx_frequency, row, kFrequencyWidth);
  w.rx_tone = make_cell(Cell::rx_tone, row, kToneWidth);
  w.rx_tone_editor = make_editor("Combo3", row, ChoiceBox::Typing::Allowed, kToneWidth);
  w.tx_frequency = make_cell(Cell::tx_frequency, row, kFrequencyWidth);
  w.tx_tone = make_cell(Cell::tx_tone, row, kToneWidth);
  w.tx_tone_editor = make_editor("Combo2", row, ChoiceBox::Typing::Dropped, kToneWidth);
  w.bandwidth = make_cell(Cell::bandwidth, row, kBandwidthWidth);

  w.rx_tone->setAlignment(Qt::AlignCenter);
  w.tx_tone->setAlignment(Qt::AlignCenter);
  w.bandwidth->setAlignment(Qt::AlignCenter);
  // Every key is dropped in a transmit-tone cell: it changes only through its editor. A
  // bandwidth cell only toggles; a text typed beside the toggle would be no bandwidth.
  w.tx_tone->setReadOnly(true);
  w.bandwidth->setReadOnly(true);
  // One line pasted into a transmit frequency goes in as typing does, unfiltered; several lines
  // are held to the receive cell's rule, as in either column (`paste_frequencies`).
  const auto pasted = [this, row](Cell column) {
    return [this, column, row](const std::vector<std::string>& lines) {
      emit lines_pasted(column, row, lines);
    };
  };
  new PasteFilter(w.rx_frequency, frequency_input_allowed, pasted(Cell::rx_frequency));
  new PasteFilter(
      w.tx_frequency, [](std::string_view) { return true; }, pasted(Cell::tx_frequency));

  grid->addWidget(w.rx_frequency, line, kRxFrequencyColumn);
  grid->addWidget(w.rx_tone, line, kRxToneColumn);
  grid->addWidget(w.rx_tone_editor, line, kRxToneColumn);
  grid->addWidget(w.tx_frequency, line, kTxFrequencyColumn);
  grid->addWidget(w.tx_tone, line, kTxToneColumn);
  grid->addWidget(w.tx_tone_editor, line, kTxToneColumn);
  grid->addWidget(w.bandwidth, line, kBandwidthColumn);

  connect(w.tx_tone_editor, &QComboBox::activated, this, [this, row](int index) {
    emit tone_editor_chosen(row, rows_[row].tx_tone_editor->itemText(index));
  });
  connect(w.rx_tone_editor, &QComboBox::activated, this, [this, row](int index) {
    emit rx_tone_editor_changed(row, rows_[row].rx_tone_editor->itemText(index));
  });
  connect(w.rx_tone_editor->lineEdit(), &QLineEdit::textEdited, this,
          [this, row](const QString& text) { emit rx_tone_editor_changed(row, text); });
}

QLineEdit* ChannelGrid::make_cell(Cell column, int row, int width) {
  auto* cell = new QLineEdit(this);
  cell->setObjectName(widget_name(array_name(column), row));
  cell->setFixedSize(width, kCellHeight);
  cell->installEventFilter(this);
  cell->setAcceptDrops(false);  // a dropped channel file goes to the window, not into a cell
  cells_[cell] = {column, row};
  connect(cell, &QLineEdit::textEdited, this,
          [this, column, row](const QString& text) { emit edited(column, row, text); });
  return cell;
}

ChoiceBox* ChannelGrid::make_editor(const char* array, int row, ChoiceBox::Typing typing,
                                    int width) {
  auto* editor = new ChoiceBox(widget_name(array, row).toUtf8().constData(), this, typing);
  editor->setFixedSize(width, kCellHeight);
  editor->lineEdit()->setAlignment(Qt::AlignCenter);
  editor->hide();
  return editor;
}

QLineEdit* ChannelGrid::cell(Cell column, int row) const {
  const RowWidgets& w = rows_[row];
  switch (column) {
    case Cell::rx_frequency:
      return w.rx_frequency;
    case Cell::rx_tone:
      return w.rx_tone;
    case Cell::tx_frequency:
      return w.tx_frequency;
    case Cell::tx_tone:
      return w.tx_tone;
    case Cell::bandwidth:
      return w.bandwidth;
  }
  return nullptr;
}

void ChannelGrid::fill_reference_lists(ToneMode mode) {
  reference_mode_ = mode;
  const QStringList items = tone_items(mode);
  rows_[0].tx_tone_editor->set_items(items);
  rows_[0].rx_tone_editor->set_items(items);
}

void ChannelGrid::show_sheet(const Sheet& sheet, const GridState& grid) {
  if (reference_mode_ != sheet.tone_mode) fill_reference_lists(sheet.tone_mode);
  for (int r = 0; r < kRows; ++r) {
    const ChannelRow& row = sheet.rows[r];
    const GridRowState& state = grid[r];
    RowWidgets& w = rows_[r];
    show_frequency(w.rx_frequency, row.rx_frequency);
    show_text(w.rx_tone, row.rx_tone);
    show_frequency(w.tx_frequency, row.tx_frequency);
    show_text(w.tx_tone, row.tx_tone);
    show_text(w.bandwidth, row.bandwidth);
    for (QLineEdit* cell : {w.rx_frequency, w.tx_frequency, w.tx_tone, w.bandwidth, w.rx_tone}) {
      cell->setEnabled(row.enabled);
    }
    set_tab_stop(w.rx_frequency, state.rx_tab_stop);
    set_tab_stop(w.tx_frequency, state.tx_tab_stop);
    show_editor(w.rx_tone, w.rx_tone_editor, state.rx_tone_editor, sheet.tone_mode);
    show_editor(w.tx_tone, w.tx_tone_editor, state.tx_tone_editor, sheet.tone_mode);
  }
}

void ChannelGrid::show_editor(QLineEdit* cell, ChoiceBox* editor,
                              const std::optional<std::string>& text, ToneMode mode) {
  if (text) {
    if (editor->isHidden()) editor->set_items(tone_items(mode));
    editor->show_text(QString::fromStdString(*text));
    if (editor->isHidden()) {
      editor->show();
      if (cell->hasFocus()) editor->setFocus();
      cell->hide();
    }
  } else if (!editor->isHidden()) {
    cell->show();
    if (editor->hasFocus() || editor->isAncestorOf(focusWidget())) cell->setFocus();
    editor->hide();
  }
}

bool ChannelGrid::eventFilter(QObject* watched, QEvent* event) {
  const auto found = cells_.find(watched);
  if (found == cells_.end()) return QGroupBox::eventFilter(watched, event);
  // A filter sees a disabled cell's input too: while an exchange holds the grid, no click counts.
  if (!static_cast<QWidget*>(watched)->isEnabled()) return QGroupBox::eventFilter(watched, event);
  const auto [column, row] = found->second;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) emit clicked(column, row);
      break;
    case QEvent::MouseButtonDblClick:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit double_clicked(column, row);
      }
      break;
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      // Ctrl+Z and Ctrl+Y undo the window's steps, never the cell's own typing, even when the
      // window has none to undo.
      if (is_undo_or_redo(key)) return true;
      if (column == Cell::rx_frequency) return filter_frequency_key(key);
      if (column == Cell::bandwidth) return toggle_bandwidth_key(key, row);
      break;
    }
    case QEvent::ShortcutOverride:
      // ... so they go on to the window's shortcuts.
      if (is_undo_or_redo(static_cast<QKeyEvent*>(event))) return true;
      break;
    default:
      break;
  }
  return QGroupBox::eventFilter(watched, event);
}

bool ChannelGrid::filter_frequency_key(QKeyEvent* event) {
  return filter_typing(*event, frequency_input_allowed, [this] { focusNextPrevChild(true); });
}

// Space and Enter toggle a bandwidth cell as a click does, for whoever works by keyboard.
bool ChannelGrid::toggle_bandwidth_key(QKeyEvent* event, int row) {
  const int key = event->key();
  if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  emit clicked(Cell::bandwidth, row);
  return true;
}

}  // namespace m27
