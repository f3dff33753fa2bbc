// SPDX-License-Identifier: GPL-3.0-or-later
// The grid, the option boxes, the plans, the mode and the fill buttons, bound to the sheet.

#include <QPushButton>

#include "channels/channel_table.h"
#include "channels/grid_edit.h"
#include "channels/options.h"
#include "channels/plans.h"
#include "ui/channel_grid.h"
#include "ui/choice_box.h"
#include "ui/main_window.h"

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
  grid_->show_sheet(sheet_, grid_state_);
  plan_box_->show_text(QString::fromStdString(sheet_.plan));
  mode_box_->show_text(QString::fromStdString(sheet_.mode));
  transmit_box_->show_text(QString::fromStdString(sheet_.transmit));
  busy_lockout_box_->show_text(QString::fromStdString(sheet_.busy_lockout));
  fsk_box_->show_text(QString::fromStdString(sheet_.fsk));
  channel_total_box_->show_text(QString::fromStdString(sheet_.channel_total));
  fill_step_box_->show_text(QString::fromStdString(sheet_.fill_step));
  history_->show_title();
}

void MainWindow::connect_grid() {
  connect(grid_, &ChannelGrid::edited, this, [this](Cell column, int row, const QString& text) {
    edit_sheet(
        QStringLiteral("编辑信道"),
        [&] { sheet_.rows[row].*field_of(column) = text.toStdString(); },
        static_cast<int>(column) * kRows + row);
  });
  connect(grid_, &ChannelGrid::clicked, this, [this](Cell column, int row) {
    edit_sheet(QStringLiteral("编辑信道"), [&] { cell_click(column, row); });
    render_sheet();
  });
  connect(grid_, &ChannelGrid::double_clicked, this, [this](Cell column, int) {
    if (column != Cell::rx_frequency) return;
    edit_sheet(QStringLiteral("检查频率"),
               [&] { receive_frequency_double_click(sheet_, grid_state_); });
    render_sheet();
  });
  connect(grid_, &ChannelGrid::tone_editor_chosen, this, [this](int row, const QString& text) {
    apply_choice([&] { choose_in_tx_tone_editor(sheet_, grid_state_, row, text.toStdString()); });
  });
  connect(grid_, &ChannelGrid::rx_tone_editor_changed, this, [this](int row, const QString& text) {
    apply_choice([&] { change_rx_tone_editor(sheet_, grid_state_, row, text.toStdString()); });
  });
  connect(channel_total_box_, &QComboBox::textActivated, this, [this](const QString& text) {
    apply_choice([&] { choose_channel_total(sheet_, text.toStdString()); });
  });
  connect(fill_step_box_, &QComboBox::textActivated, this, [this](const QString& text) {
    apply_choice([&] { choose_fill_step(sheet_, text.toStdString()); });
  });
  connect(plan_box_, &QComboBox::textActivated, this, [this](const QString& text) {
    edit_sheet(QStringLiteral("频率方案"), [&] {
      sheet_.plan = text.toStdString();
      apply_chosen_plan();
    });
  });
  connect(mode_box_, &QComboBox::textActivated, this, [this](const QString& text) {
    edit_sheet(QStringLiteral("工作模式"), [&] {
      sheet_.mode = text.toStdString();
      change_mode();
    });
  });
  for (auto [box, field] :
       {std::pair{transmit_box_, &Sheet::transmit},
        std::pair{busy_lockout_box_, &Sheet::busy_lockout}, std::pair{fsk_box_, &Sheet::fsk}}) {
    connect(box, &QComboBox::textActivated, this, [this, field](const QString& text) {
      edit_sheet(QStringLiteral("选项"), [&] { sheet_.*field = text.toStdString(); });
    });
  }

  connect(fill_rx_button_, &QPushButton::clicked, this, [this] {
    std::optional<Message> message;
    edit_sheet(QStringLiteral("接收"), [&] { message = m27::fill_receive_frequencies(sheet_); });
    show_fill_result(message);
  });
  connect(fill_tx_button_, &QPushButton::clicked, this, [this] {
    std::optional<Message> message;
    edit_sheet(QStringLiteral("发射"), [&] { message = m27::fill_transmit_frequencies(sheet_); });
    show_fill_result(message);
  });
}

// A click on a cell of the grid.
void MainWindow::cell_click(Cell column, int row) {
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
      break;
  }
}

void MainWindow::apply_chosen_plan() {
  commit_edits(sheet_, grid_state_);
  history_->set_title(QString::fromStdString(apply_plan(sheet_)));
  set_frequency_tab_stops(grid_state_, true);
  render_sheet();
}

// A choice in a tone editor or a box of the channel edit frame.
void MainWindow::apply_choice(const std::function<void()>& choice) {
  edit_sheet(QStringLiteral("编辑信道"), choice);
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
