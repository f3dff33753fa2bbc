// SPDX-License-Identifier: GPL-3.0-or-later
// The grid, the option boxes, the plans, the mode and the fill buttons, bound to the sheet.

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "channels/channel_table.h"
#include "channels/grid_edit.h"
#include "channels/options.h"
#include "channels/plans.h"
#include "i18n/translated.h"
#include "ui/grid/channel_grid.h"
#include "ui/window/choice_box.h"
#include "ui/window/main_window.h"
#include "ui/window/status_bar.h"

namespace m27 {
namespace {

template <typename Texts>
QStringList item_list(const Texts& texts) {
  QStringList items;
  for (const auto& text : texts) {
    const std::string_view view(text);
    items << QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
  }
  return items;
}

}  // namespace

void MainWindow::fill_option_boxes() {
  transmit_box_->set_items(item_list(kTransmitItems));
  busy_lockout_box_->set_items(item_list(kSwitchItems));
  fsk_box_->set_items(item_list(kSwitchItems));
  mode_box_->set_items(item_list(kModeItems));
  plan_box_->set_items(item_list(kPlanItems));
  channel_total_box_->set_items(item_list(channel_total_items()));
  fill_step_box_->set_items(item_list(fill_step_items()));
}

void MainWindow::render_sheet() {
  grid_->show_sheet();
  plan_box_->show_text(QString::fromStdString(sheet_.plan));
  mode_box_->show_text(QString::fromStdString(sheet_.mode));
  transmit_box_->show_text(QString::fromStdString(sheet_.transmit));
  busy_lockout_box_->show_text(QString::fromStdString(sheet_.busy_lockout));
  fsk_box_->show_text(QString::fromStdString(sheet_.fsk));
  channel_total_box_->show_text(QString::fromStdString(sheet_.channel_total));
  fill_step_box_->show_text(QString::fromStdString(sheet_.fill_step));
  show_error_count();
  history_->show_title();
}

void MainWindow::show_error_count() {
  if (!error_count_) {
    error_count_ = new QLabel(status_bar_);
    error_count_->setObjectName(QStringLiteral("error_count"));
    status_bar_->addPermanentWidget(error_count_);
  }
  // As wide as the longest count, so that the panels do not move while the count changes.
  error_count_->setMinimumWidth(
      error_count_->fontMetrics().horizontalAdvance(tr("%n个信道有错误", nullptr, kRows)) + 8);
  const int count = grid_->model()->channels_in_error();
  error_count_->setText(count ? tr("%n个信道有错误", nullptr, count) : QString());
}

void MainWindow::connect_grid() {
  // The grid's commands change the sheet: none while an exchange uses it.
  for (QAction* command : grid_->commands()) exchanges_->guard().add(command);
  connect(grid_->model(), &ChannelModel::dataChanged, this, &MainWindow::show_error_count);
  connect(grid_, &ChannelGrid::refused, this, [this](const QString& message) {
    boxes_.show(translated(attention(as_is(message.toStdString()))));
  });
  connect(grid_, &ChannelGrid::clicked, this,
          [this](Cell column, int row, const std::vector<CellPos>& selection) {
            edit_sheet(tr("编辑信道"), [&] { cell_click(column, row, selection); });
            render_sheet();
          });
  connect(grid_, &ChannelGrid::double_clicked, this, [this](Cell column, int) {
    if (column != Cell::rx_frequency) return;
    edit_sheet(tr("检查频率"), [&] { receive_frequency_double_click(sheet_, grid_state_); });
    render_sheet();
  });
  connect(grid_, &ChannelGrid::tone_editor_chosen, this,
          [this](int row, const QString& text, const std::vector<CellPos>& selection) {
            choose_tone(Cell::tx_tone, row, text, selection);
          });
  connect(grid_, &ChannelGrid::rx_tone_editor_changed, this,
          [this](int row, const QString& text, const std::vector<CellPos>& selection) {
            choose_tone(Cell::rx_tone, row, text, selection);
          });
  connect(channel_total_box_, &ChoiceBox::chosen, this, [this](const QString& text) {
    apply_choice([&] { choose_channel_total(sheet_, text.toStdString()); });
  });
  connect(fill_step_box_, &ChoiceBox::chosen, this, [this](const QString& text) {
    apply_choice([&] { choose_fill_step(sheet_, text.toStdString()); });
  });
  connect(plan_box_, &ChoiceBox::chosen, this, [this](const QString& text) {
    edit_sheet(tr("频率方案"), [&] {
      sheet_.plan = text.toStdString();
      apply_chosen_plan();
    });
  });
  connect(mode_box_, &ChoiceBox::chosen, this, [this](const QString& text) {
    edit_sheet(tr("工作模式"), [&] {
      sheet_.mode = text.toStdString();
      change_mode();
    });
  });
  for (auto [box, field] :
       {std::pair{transmit_box_, &Sheet::transmit},
        std::pair{busy_lockout_box_, &Sheet::busy_lockout}, std::pair{fsk_box_, &Sheet::fsk}}) {
    connect(box, &ChoiceBox::chosen, this, [this, field](const QString& text) {
      edit_sheet(tr("选项"), [&] { sheet_.*field = text.toStdString(); });
    });
  }

  connect(fill_rx_button_, &QPushButton::clicked, this, [this] {
    std::optional<Message> message;
    edit_sheet(tr("接收"), [&] {
      if (const auto refusal = m27::fill_receive_frequencies(sheet_))
        message = translated(*refusal);
    });
    show_fill_result(message);
  });
  connect(fill_tx_button_, &QPushButton::clicked, this, [this] {
    std::optional<Message> message;
    edit_sheet(tr("发射"), [&] {
      if (const auto refusal = m27::fill_transmit_frequencies(sheet_))
        message = translated(*refusal);
    });
    show_fill_result(message);
  });
}

// A click on a cell of the grid; a bandwidth clicked inside a selection of its column sets every
// selected cell to the clicked cell's new value.
void MainWindow::cell_click(Cell column, int row, const std::vector<CellPos>& selection) {
  switch (column) {
    case Cell::rx_frequency:
    case Cell::tx_frequency:
      frequency_click(sheet_, grid_state_);
      break;
    case Cell::rx_tone:
      open_rx_tone_editor(sheet_, grid_state_, row);
      break;
    case Cell::tx_tone:
      open_tx_tone_editor(sheet_, grid_state_, row);
      break;
    case Cell::bandwidth:
      sheet_.rows[row].bandwidth = toggled_bandwidth(sheet_.rows[row].bandwidth);
      set_cells(sheet_, selection, sheet_.rows[row].bandwidth);
      break;
  }
}

// A choice in a tone editor; made inside a selection of its column, it writes every selected
// cell and the editor closes.
void MainWindow::choose_tone(Cell column, int row, const QString& text,
                             const std::vector<CellPos>& selection) {
  apply_choice([&] {
    if (column == Cell::tx_tone) {
      choose_in_tx_tone_editor(sheet_, grid_state_, row, text.toStdString());
    } else {
      change_rx_tone_editor(sheet_, grid_state_, row, text.toStdString());
    }
    if (selection.empty()) return;
    set_cells(sheet_, selection, text.toStdString());
    auto& editor =
        column == Cell::tx_tone ? grid_state_[row].tx_tone_editor : grid_state_[row].rx_tone_editor;
    editor.reset();
  });
}

void MainWindow::apply_chosen_plan() {
  commit_edits(sheet_, grid_state_);
  history_->set_title(translated(apply_plan(sheet_)));
  set_frequency_tab_stops(grid_state_, true);
  render_sheet();
}

// A choice in a tone editor or a box of the channel edit frame.
void MainWindow::apply_choice(const std::function<void()>& choice) {
  edit_sheet(tr("编辑信道"), choice);
  render_sheet();
}

void MainWindow::change_mode() {
  m27::change_mode(sheet_);
  close_tone_editors(grid_state_);
  render_sheet();
}

void MainWindow::show_fill_result(const std::optional<Message>& message) {
  render_sheet();
  if (message) boxes_.show(*message);
}

}  // namespace m27
