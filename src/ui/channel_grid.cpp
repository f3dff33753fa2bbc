#include "ui/channel_grid.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

#include "channels/grid_edit.h"
#include "channels/tones.h"
#include "ui/key_ascii.h"

namespace m27 {
namespace {

constexpr int kFrequencyMaxLength = 9;
constexpr int kCellHeight = 20;

// Column widths in pixels; both frequency columns and both tone columns are alike.
constexpr int kNumberWidth = 34;
constexpr int kFrequencyWidth = 92;
constexpr int kToneWidth = 74;
constexpr int kBandwidthWidth = 56;

enum GridColumn {
  kNumberColumn,
  kText1Column,
  kText5Column,
  kText3Column,
  kText2Column,
  kText4Column
};

QString widget_name(const char* array, int index) {
  return QStringLiteral("%1_%2").arg(QString::fromUtf8(array)).arg(index);
}

const char* array_name(Cell column) {
  switch (column) {
    case Cell::Text1:
      return "Text1";
    case Cell::Text5:
      return "Text5";
    case Cell::Text3:
      return "Text3";
    case Cell::Text2:
      return "Text2";
    case Cell::Text4:
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
  cell->setMaxLength(std::max<int>(kFrequencyMaxLength, static_cast<int>(shown.size())));
  if (cell->text() != shown) cell->setText(shown);
}

void set_tab_stop(QWidget* cell, bool tab_stop) {
  cell->setFocusPolicy(tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
}

QStringList tone_items(ToneMode mode) {
  QStringList items;
  for (std::string_view tone : tone_list(mode)) {
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
  grid->addWidget(header_label("Label1_30", "接收频率", this), 0, kText1Column);
  grid->addWidget(header_label("Label1_26", "接收亚音", this), 0, kText5Column);
  grid->addWidget(header_label("Label1_32", "发射频率", this), 0, kText3Column);
  grid->addWidget(header_label("Label1_33", "发射亚音", this), 0, kText2Column);
  grid->addWidget(header_label("Label3", "带宽", this), 0, kText4Column);
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
  w.Text1 = make_cell(Cell::Text1, row, kFrequencyWidth);
  w.Text5 = make_cell(Cell::Text5, row, kToneWidth);
  w.Combo3 = make_editor("Combo3", row, ChoiceBox::Typing::Allowed, kToneWidth);
  w.Text3 = make_cell(Cell::Text3, row, kFrequencyWidth);
  w.Text2 = make_cell(Cell::Text2, row, kToneWidth);
  w.Combo2 = make_editor("Combo2", row, ChoiceBox::Typing::Dropped, kToneWidth);
  w.Text4 = make_cell(Cell::Text4, row, kBandwidthWidth);

  w.Text5->setAlignment(Qt::AlignCenter);
  w.Text2->setAlignment(Qt::AlignCenter);
  w.Text4->setAlignment(Qt::AlignCenter);
  // Every key is dropped in a transmit-tone cell: it changes only through its editor.
  w.Text2->setReadOnly(true);

  grid->addWidget(w.Text1, line, kText1Column);
  grid->addWidget(w.Text5, line, kText5Column);
  grid->addWidget(w.Combo3, line, kText5Column);
  grid->addWidget(w.Text3, line, kText3Column);
  grid->addWidget(w.Text2, line, kText2Column);
  grid->addWidget(w.Combo2, line, kText2Column);
  grid->addWidget(w.Text4, line, kText4Column);

  connect(w.Combo2, &QComboBox::activated, this,
          [this, row](int index) { emit Combo2_chosen(row, rows_[row].Combo2->itemText(index)); });
  connect(w.Combo3, &QComboBox::activated, this,
          [this, row](int index) { emit Combo3_changed(row, rows_[row].Combo3->itemText(index)); });
  connect(w.Combo3->lineEdit(), &QLineEdit::textEdited, this,
          [this, row](const QString& text) { emit Combo3_changed(row, text); });
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
    case Cell::Text1:
      return w.Text1;
    case Cell::Text5:
      return w.Text5;
    case Cell::Text3:
      return w.Text3;
    case Cell::Text2:
      return w.Text2;
    case Cell::Text4:
      return w.Text4;
  }
  return nullptr;
}

void ChannelGrid::fill_reference_lists(ToneMode mode) {
  reference_mode_ = mode;
  const QStringList items = tone_items(mode);
  rows_[0].Combo2->set_items(items);
  rows_[0].Combo3->set_items(items);
}

void ChannelGrid::show_sheet(const Sheet& sheet) {
  if (reference_mode_ != sheet.tone_mode) fill_reference_lists(sheet.tone_mode);
  for (int r = 0; r < kRows; ++r) {
    const ChannelRow& row = sheet.rows[r];
    RowWidgets& w = rows_[r];
    show_frequency(w.Text1, row.Text1);
    show_text(w.Text5, row.Text5);
    show_frequency(w.Text3, row.Text3);
    show_text(w.Text2, row.Text2);
    show_text(w.Text4, row.Text4);
    for (QLineEdit* cell : {w.Text1, w.Text3, w.Text2, w.Text4, w.Text5}) {
      cell->setEnabled(row.enabled);
    }
    set_tab_stop(w.Text1, row.Text1_tab_stop);
    set_tab_stop(w.Text3, row.Text3_tab_stop);
    show_editor(w.Text5, w.Combo3, row.Combo3, sheet.tone_mode);
    show_editor(w.Text2, w.Combo2, row.Combo2, sheet.tone_mode);
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
    case QEvent::KeyPress:
      if (column == Cell::Text1) return filter_Text1_key(static_cast<QKeyEvent*>(event));
      break;
    case QEvent::ShortcutOverride:
      // Ctrl+Z and Ctrl+Y undo the window's steps, not the cell's own typing.
      if (is_undo_or_redo(static_cast<QKeyEvent*>(event))) return true;
      break;
    default:
      break;
  }
  return QGroupBox::eventFilter(watched, event);
}

bool ChannelGrid::filter_Text1_key(QKeyEvent* event) {
  return filter_key(*event, Text1_KeyPress, [this] { focusNextPrevChild(true); });
}

}  // namespace m27
