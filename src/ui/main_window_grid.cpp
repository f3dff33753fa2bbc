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

constexpr int kChannelTotalIndex = 60;
constexpr int kFillStepIndex = 62;

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
  Combo5_->set_items(item_list(kTransmitItems));
  Combo6_->set_items(item_list(kSwitchItems));
  Combo7_->set_items(item_list(kSwitchItems));
  Combo4_->set_items(item_list(kModeItems));
  Combo1_->set_items(item_list(kPlanItems));
  Combo2_60_->set_items(item_list(channel_total_items()));
  Combo2_62_->set_items(item_list(fill_step_items()));
}

void MainWindow::render_sheet() {
  grid_->show_sheet(sheet_);
  Combo1_->show_text(QString::fromStdString(sheet_.plan));
  Combo4_->show_text(QString::fromStdString(sheet_.mode));
  Combo5_->show_text(QString::fromStdString(sheet_.transmit));
  Combo6_->show_text(QString::fromStdString(sheet_.busy_lockout));
  Combo7_->show_text(QString::fromStdString(sheet_.fsk));
  Combo2_60_->show_text(QString::fromStdString(sheet_.channel_total));
  Combo2_62_->show_text(QString::fromStdString(sheet_.fill_step));
  show_title();
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
    edit_sheet(QStringLiteral("检查频率"), [&] { receive_frequency_double_click(sheet_); });
    render_sheet();
  });
  connect(grid_, &ChannelGrid::Combo2_chosen, this, &MainWindow::choose_in_box);
  connect(grid_, &ChannelGrid::Combo3_changed, this, [this](int row, const QString& text) {
    edit_sheet(QStringLiteral("编辑信道"), [&] { change_rx_tone_editor(sheet_, row, text.toStdString()); });
    render_sheet();
  });

  connect(Combo2_60_, &QComboBox::textActivated, this,
          [this](const QString& text) { choose_in_box(kChannelTotalIndex, text); });
  connect(Combo2_62_, &QComboBox::textActivated, this,
          [this](const QString& text) { choose_in_box(kFillStepIndex, text); });
  connect(Combo1_, &QComboBox::textActivated, this, [this](const QString& text) {
    edit_sheet(QStringLiteral("频率方案"), [&] {
      sheet_.plan = text.toStdString();
      Combo1_Click();
    });
  });
  connect(Combo4_, &QComboBox::textActivated, this, [this](const QString& text) {
    edit_sheet(QStringLiteral("工作模式"), [&] {
      sheet_.mode = text.toStdString();
      change_mode();
    });
  });
  for (auto [box, field] : {std::pair{Combo5_, &Sheet::transmit}, std::pair{Combo6_, &Sheet::busy_lockout},
                            std::pair{Combo7_, &Sheet::fsk}}) {
    connect(box, &QComboBox::textActivated, this, [this, field](const QString& text) {
      edit_sheet(QStringLiteral("选项"), [&] { sheet_.*field = text.toStdString(); });
    });
  }

  connect(Command9_, &QPushButton::clicked, this, [this] {
    std::optional<Message> message;
    edit_sheet(QStringLiteral("接收"), [&] { message = m27::fill_receive_frequencies(sheet_); });
    show_fill_result(message);
  });
  connect(Command10_, &QPushButton::clicked, this, [this] {
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
      frequency_click(sheet_);
      break;
    case Cell::rx_tone:
      open_rx_tone_editor(sheet_, row);
      break;
    case Cell::tx_tone:
      open_tx_tone_editor(sheet_, row);
      break;
    case Cell::bandwidth:
      sheet_.rows[row].bandwidth = toggled_bandwidth(sheet_.rows[row].bandwidth);
      break;
  }
}

void MainWindow::Combo1_Click() {
  commit_edits(sheet_);
  title_ = QString::fromStdString(apply_plan(sheet_));
  render_sheet();
}

void MainWindow::change_mode() {
  m27::change_mode(sheet_);
  render_sheet();
}

void MainWindow::choose_in_box(int index, const QString& text) {
  edit_sheet(QStringLiteral("编辑信道"),
             [&] { m27::choose_in_box(sheet_, index, text.toStdString()); });
  render_sheet();
}

void MainWindow::show_fill_result(const std::optional<Message>& message) {
  render_sheet();
  if (message) boxes_.show(*message);
}

}  // namespace m27
