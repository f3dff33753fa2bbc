// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/channel_grid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "channels/channel_table.h"
#include "ui/grid/cell_delegates.h"
#include "ui/grid/grid_clipboard.h"
#include "ui/window/caption.h"
#include "ui/window/choice_box.h"
#include "ui/window/shown_words.h"

namespace m27 {
namespace {

// Column widths in pixels; both frequency columns and both tone columns are alike.
constexpr int kNumberWidth = 34;
constexpr int kColumnWidths[kColumns] = {92, 74, 92, 74, 56};
constexpr int kRowHeight = 20;

}  // namespace

ChannelGrid::ChannelGrid(Sheet& sheet, GridState& grid, ChannelModel::Edit edit, QWidget* parent)
    : QGroupBox(parent),
      sheet_(sheet),
      grid_(grid),
      model_(new ChannelModel(sheet, grid, std::move(edit), this)),
      view_(new GridView(grid, this)),
      frequency_delegate_(new FrequencyDelegate(this)),
      tone_delegate_(new ToneDelegate([this] { return sheet_.tone_mode; }, this)) {
  setObjectName(QStringLiteral("Frame1"));
  set_caption(this, QT_TR_NOOP("信道设置"), "m27::ChannelGrid");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->addWidget(view_);
  view_->verticalHeader()->setFixedWidth(kNumberWidth);  // before the model: nothing to measure
  view_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  view_->setModel(model_);
  for (int column = 0; column < kColumns; ++column) {
    const bool tone = column == 1 || column == 3;
    view_->setItemDelegateForColumn(
        column, tone ? static_cast<QAbstractItemDelegate*>(tone_delegate_) : frequency_delegate_);
  }
  show_headings();

  connect(view_, &GridView::cell_clicked, this, [this](CellPos cell) {
    emit clicked(cell.column, cell.row, view_->column_selection_with(cell));
  });
  connect(view_, &GridView::cell_double_clicked, this,
          [this](CellPos cell) { emit double_clicked(cell.column, cell.row); });
  connect(frequency_delegate_, &FrequencyDelegate::move_on, view_, &GridView::move_on);
  connect(frequency_delegate_, &FrequencyDelegate::write_selection, this,
          [this](const QModelIndex& index, const QString& text) {
            std::vector<CellPos> cells;
            for (const CellPos& cell : view_->selected_cells()) {
              if (cell.column == ChannelModel::cell_of(index).column) cells.push_back(cell);
            }
            if (cells.size() > 1) model_->set_cells(cells, text);
          });
  connect(tone_delegate_, &ToneDelegate::chosen, this,
          [this](const QModelIndex& index, const QString& text) {
            const CellPos cell = ChannelModel::cell_of(index);
            const auto selection = view_->column_selection_with(cell);
            if (cell.column == Cell::rx_tone) {
              emit rx_tone_editor_changed(cell.row, text, selection);
            } else {
              emit tone_editor_chosen(cell.row, text, selection);
            }
          });
  connect(view_, &GridView::delete_rows_key, this, &ChannelGrid::delete_channels);
  connect(view_->verticalHeader(), &QHeaderView::sectionMoved, this,
          [this](int, int from, int to) { row_dragged(from, to); });
  build_commands();
}

// The headings and the names of the cells in the language in use, each column at least as wide
// as its heading and its widest word, the grid as wide as its columns.
void ChannelGrid::show_headings() {
  view_->setAccessibleName(tr("信道设置"));
  QHeaderView* header = view_->horizontalHeader();
  const int padding = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 4;
  int width = kNumberWidth + 2 * view_->frameWidth();
  for (int column = 0; column < kColumns; ++column) {
    QStringList texts{model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()};
    if (static_cast<Cell>(column) == Cell::bandwidth) {
      texts << shown_words(QString::fromUtf8(kWide.data(), kWide.size()))
            << shown_words(QString::fromUtf8(kNarrow.data(), kNarrow.size()));
    }
    int fit = kColumnWidths[column];
    for (const QString& text : texts) {
      fit = std::max(fit, header->fontMetrics().horizontalAdvance(text) + padding);
    }
    view_->setColumnWidth(column, fit);
    width += fit;
  }
  emit model_->headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
  for (int row = 0; row < kRows; ++row) {
    for (const Cell column : {Cell::rx_tone, Cell::tx_tone}) {
      if (ChoiceBox* editor = tone_editor({row, column})) {
        name_tone_editor(editor, model_->index_of({row, column}));
      }
    }
  }
  view_->setFixedSize(width,
                      header->sizeHint().height() + kRows * kRowHeight + 2 * view_->frameWidth());
}

void ChannelGrid::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) show_headings();
  QGroupBox::changeEvent(event);
}

QAction* ChannelGrid::add_command(const char* name, const char* caption, const QKeySequence& keys,
                                  void (ChannelGrid::*command)()) {
  auto* action = new QAction(this);
  set_caption(action, caption, "m27::ChannelGrid");
  action->setObjectName(QString::fromUtf8(name));
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(action, &QAction::triggered, this, command);
  view_->addAction(action);
  commands_.push_back(action);
  return action;
}

void ChannelGrid::build_commands() {
  add_command("copy_cells", QT_TR_NOOP("复制(&C)"), QKeySequence::Copy, &ChannelGrid::copy);
  add_command("paste_cells", QT_TR_NOOP("粘贴(&P)"), QKeySequence::Paste, &ChannelGrid::paste);
  add_command("move_up", QT_TR_NOOP("上移"), QKeySequence(Qt::CTRL | Qt::Key_Up),
              &ChannelGrid::move_up);
  add_command("move_down", QT_TR_NOOP("下移"), QKeySequence(Qt::CTRL | Qt::Key_Down),
              &ChannelGrid::move_down);
  add_command("insert_channel", QT_TR_NOOP("插入信道"), QKeySequence(Qt::Key_Insert),
              &ChannelGrid::insert_channel);
  // The Delete key deletes only rows selected whole (the view's own); on cells it does nothing.
  add_command("delete_channels", QT_TR_NOOP("删除信道"), QKeySequence(),
              &ChannelGrid::delete_channels);
  add_command("fill_down", QT_TR_NOOP("向下填充"), QKeySequence(Qt::CTRL | Qt::Key_D),
              &ChannelGrid::fill_down);
  view_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

ChoiceBox* ChannelGrid::tone_editor(CellPos cell) const {
  return qobject_cast<ChoiceBox*>(view_->indexWidget(model_->index_of(cell)));
}

void ChannelGrid::show_sheet() {
  // An undo or a rule that changed the cell being typed into ends the typing.
  if (auto* editor = qobject_cast<QLineEdit*>(view_->indexWidget(view_->currentIndex()))) {
    if (editor->text() != view_->currentIndex().data().toString()) view_->end_typing();
  }
  model_->refresh();
  for (int row = 0; row < kRows; ++row) {
    show_tone_editor({row, Cell::rx_tone}, grid_[row].rx_tone_editor);
    show_tone_editor({row, Cell::tx_tone}, grid_[row].tx_tone_editor);
  }
}

void ChannelGrid::show_tone_editor(CellPos cell, const std::optional<std::string>& text) {
  const QModelIndex index = model_->index_of(cell);
  const bool open = view_->isPersistentEditorOpen(index);
  if (!text) {
    if (open) {
      const bool focused = tone_editor(cell)->hasFocus() ||
                           tone_editor(cell)->isAncestorOf(QApplication::focusWidget());
      view_->closePersistentEditor(index);
      if (focused) view_->setFocus();
    }
    return;
  }
  if (!open) {
    view_->openPersistentEditor(index);
    if (view_->hasFocus() && view_->currentIndex() == index) tone_editor(cell)->setFocus();
  }
  tone_editor(cell)->show_text(QString::fromStdString(*text));
}

void ChannelGrid::tell(const std::optional<QString>& refusal) {
  if (refusal) emit refused(*refusal);
}

void ChannelGrid::select_rows(const std::vector<int>& rows) {
  QItemSelection selection;
  for (int row : rows) {
    selection.select(model_->index(row, 0), model_->index(row, kColumns - 1));
  }
  view_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void ChannelGrid::copy() {
  std::vector<CellPos> cells = view_->selected_cells();
  if (cells.empty() && view_->currentIndex().isValid()) cells.push_back(view_->current_cell());
  if (cells.empty()) return;
  QGuiApplication::clipboard()->setMimeData(copied_cells(sheet_, cells));
}

void ChannelGrid::paste() {
  if (!view_->currentIndex().isValid()) return;
  view_->end_typing();
  const PastedCells pasted = pasted_cells(QGuiApplication::clipboard()->mimeData());
  if (pasted.text.isEmpty()) return;
  tell(model_->paste(pasted.text, pasted.exact, view_->current_cell(), view_->selected_cells()));
}

void ChannelGrid::move(int step) {
  view_->end_typing();
  const CellPos current = view_->current_cell();
  const std::vector<int> rows = view_->selected_rows();
  const std::vector<int> moved = model_->move_rows(rows, step);
  select_rows(moved);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i] == current.row) {
      view_->selectionModel()->setCurrentIndex(model_->index_of({moved[i], current.column}),
                                               QItemSelectionModel::NoUpdate);
    }
  }
}

void ChannelGrid::move_up() { move(-1); }
void ChannelGrid::move_down() { move(1); }

void ChannelGrid::insert_channel() {
  if (!view_->currentIndex().isValid()) return;
  view_->end_typing();
  tell(model_->insert_channel(view_->current_cell().row));
}

void ChannelGrid::delete_channels() {
  view_->end_typing();
  tell(model_->delete_channels(view_->selected_rows()));
  view_->clearSelection();
}

void ChannelGrid::fill_down() {
  view_->end_typing();
  std::vector<CellPos> cells = view_->selected_cells();
  if (cells.empty() && view_->currentIndex().isValid()) cells.push_back(view_->current_cell());
  if (!cells.empty()) model_->fill_down(cells);
}

void ChannelGrid::row_dragged(int from, int to) {
  QHeaderView* header = view_->verticalHeader();
  {
    const QSignalBlocker blocked(header);
    header->moveSection(to, from);  // the rows themselves move, not the header's sections
  }
  view_->end_typing();
  model_->move_row_to(from, to);
  select_rows({std::clamp(to, 0, channels_in_use(sheet_) - 1)});
}

}  // namespace m27
