// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window and their arrangement. Sizes are the least a control takes:
// a longer caption in another language makes it wider.

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/grid/channel_grid.h"
#include "ui/window/background.h"
#include "ui/window/caption.h"
#include "ui/window/choice_box.h"
#include "ui/window/controls.h"
#include "ui/window/main_window.h"
#include "ui/window/progress_window.h"
#include "ui/window/status_bar.h"

namespace m27 {
namespace {

// A label that names `box` for a screen reader (on Linux a drop-down box says its value as its
// name, and its label by this relation).
QLabel* make_label_for(QWidget* box, const char* name, const char* text, QWidget* parent) {
  QLabel* label = make_label(name, text, parent);
  label->setBuddy(box);
  return label;
}

ChoiceBox* make_choice(const char* name, int width, QWidget* parent) {
  auto* box = new ChoiceBox(name, parent);
  box->setMinimumWidth(width);
  return box;
}

}  // namespace

void MainWindow::build_layout() {
  setObjectName(QStringLiteral("Form1"));

  background_ = new Background(this);
  setCentralWidget(background_);
  auto* page = new QVBoxLayout(background_);
  page->setContentsMargins(8, 6, 8, 6);
  page->setSpacing(10);
  page->addWidget(build_top_bar());

  grid_ = new ChannelGrid(
      sheet_, grid_state_,
      [this](const QString& what, const std::function<void()>& change, int cell) {
        edit_sheet(what, change, cell);
        if (cell < 0) render_sheet();  // a structural change reaches the boxes and the editors
      },
      background_);
  auto* right = new QVBoxLayout;
  right->setSpacing(0);
  right->addWidget(build_edit_frame());
  right->addSpacing(110);
  write_button_ = make_button("Command1", QT_TR_NOOP("开始写频(&S)"), background_);
  read_button_ = make_button("Command2", QT_TR_NOOP("读取频率(&E)"), background_);
  for (QPushButton* button : {write_button_, read_button_}) {
    button->setMinimumSize(100, 34);
    right->addWidget(button, 0, Qt::AlignLeft);
    right->addSpacing(28);
  }
  right->addStretch(1);

  auto* middle = new QHBoxLayout;
  middle->setSpacing(0);
  middle->addSpacing(24);
  middle->addWidget(grid_, 0, Qt::AlignTop);
  middle->addSpacing(36);
  middle->addLayout(right);
  middle->addStretch(1);
  page->addLayout(middle);
  page->addStretch(1);

  status_bar_ = new StatusBar(this);
  setStatusBar(status_bar_);
  build_windows();
}

QWidget* MainWindow::build_top_bar() {
  auto* bar = new QWidget(background_);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(6);
  open_button_ = make_button("Command5", QT_TR_NOOP("打开文件"), bar);
  save_button_ = make_button("Command6", QT_TR_NOOP("保存文件"), bar);
  plan_box_ = make_choice("Combo1", 128, bar);
  mode_box_ = make_choice("Combo4", 108, bar);
  transmit_box_ = make_choice("Combo5", 68, bar);
  busy_lockout_box_ = make_choice("Combo6", 52, bar);
  fsk_box_ = make_choice("Combo7", 52, bar);
  row->addWidget(open_button_);
  row->addWidget(save_button_);
  row->addSpacing(14);
  row->addWidget(plan_box_);
  row->addWidget(mode_box_);
  row->addSpacing(14);
  row->addWidget(make_label_for(transmit_box_, "Label4", QT_TR_NOOP("发射"), bar));
  row->addWidget(transmit_box_);
  row->addSpacing(14);
  row->addWidget(make_label_for(busy_lockout_box_, "Label5", QT_TR_NOOP("遇忙禁发"), bar));
  row->addWidget(busy_lockout_box_);
  row->addSpacing(14);
  row->addWidget(make_label_for(fsk_box_, "Label6", "FSK", bar));
  row->addWidget(fsk_box_);
  row->addStretch(1);
  // A drop-down box tells its value; its name is what its label, or the value itself, says.
  set_caption(plan_box_, QT_TR_NOOP("频率方案"));
  set_caption(mode_box_, QT_TR_NOOP("模式"));
  set_caption(transmit_box_, QT_TR_NOOP("发射"));
  set_caption(busy_lockout_box_, QT_TR_NOOP("遇忙禁发"));
  set_caption(fsk_box_, "FSK");
  return bar;
}

QWidget* MainWindow::build_edit_frame() {
  QGroupBox* frame = make_frame("Frame2", QT_TR_NOOP("信道编辑"), background_);
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(10, 8, 10, 10);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(12);
  channel_total_box_ = make_choice("Combo2_60", 72, frame);
  fill_step_box_ = make_choice("Combo2_62", 72, frame);
  grid->addWidget(make_label_for(channel_total_box_, "Label2_3", QT_TR_NOOP("信道总数"), frame), 0,
                  0);
  grid->addWidget(channel_total_box_, 0, 1);
  grid->addWidget(make_label_for(fill_step_box_, "Label2_2", QT_TR_NOOP("频率步长(k)"), frame), 1,
                  0);
  grid->addWidget(fill_step_box_, 1, 1);
  fill_rx_button_ = make_button("Command9", QT_TR_NOOP("接收"), frame);
  fill_tx_button_ = make_button("Command10", QT_TR_NOOP("发射"), frame);
  grid->addWidget(fill_rx_button_, 2, 0, Qt::AlignCenter);
  grid->addWidget(fill_tx_button_, 2, 1, Qt::AlignCenter);
  for (QPushButton* button : {fill_rx_button_, fill_tx_button_}) button->setMinimumSize(56, 28);
  set_caption(channel_total_box_, QT_TR_NOOP("信道总数"));
  set_caption(fill_step_box_, QT_TR_NOOP("频率步长(k)"));
  return frame;
}

void MainWindow::build_windows() {
  progress_window_ = new ProgressWindow(this);
  register_window(progress_window_);
}

}  // namespace m27
