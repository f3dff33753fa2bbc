// The controls of the main window and their arrangement.

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/background.h"
#include "ui/channel_grid.h"
#include "ui/choice_box.h"
#include "ui/controls.h"
#include "ui/form_timer.h"
#include "ui/main_window.h"
#include "ui/progress_window.h"
#include "ui/status_bar.h"

namespace m27 {
namespace {

using namespace std::chrono_literals;

constexpr auto kSplashInterval = 2000ms;

ChoiceBox* make_choice(const char* name, int width, QWidget* parent) {
  auto* box = new ChoiceBox(name, parent);
  box->setFixedWidth(width);
  return box;
}

}  // namespace

void MainWindow::build_layout() {
  setObjectName(QStringLiteral("Form1"));
  title_ = QStringLiteral("写频软件     ");

  background_ = new Background(this);
  setCentralWidget(background_);
  auto* page = new QVBoxLayout(background_);
  page->setContentsMargins(8, 6, 8, 6);
  page->setSpacing(10);
  page->addWidget(build_top_bar());

  grid_ = new ChannelGrid(background_);
  auto* right = new QVBoxLayout;
  right->setSpacing(0);
  right->addWidget(build_Frame2());
  right->addSpacing(110);
  Command1_ = make_button("Command1", "开始写频(&S)", background_);
  Command2_ = make_button("Command2", "读取频率(&E)", background_);
  for (QPushButton* button : {Command1_, Command2_}) {
    button->setFixedSize(100, 34);
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

  StatusBar1_ = new StatusBar(this);
  setStatusBar(StatusBar1_);
  build_timers_and_windows();
}

QWidget* MainWindow::build_top_bar() {
  auto* bar = new QWidget(background_);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(6);
  Command5_ = make_button("Command5", "打开文件", bar);
  Command6_ = make_button("Command6", "保存文件", bar);
  Combo1_ = make_choice("Combo1", 128, bar);
  Combo4_ = make_choice("Combo4", 108, bar);
  Combo5_ = make_choice("Combo5", 68, bar);
  Combo6_ = make_choice("Combo6", 52, bar);
  Combo7_ = make_choice("Combo7", 52, bar);
  row->addWidget(Command5_);
  row->addWidget(Command6_);
  row->addSpacing(14);
  row->addWidget(Combo1_);
  row->addWidget(Combo4_);
  row->addSpacing(14);
  row->addWidget(make_label("Label4", "发射", bar));
  row->addWidget(Combo5_);
  row->addSpacing(14);
  row->addWidget(make_label("Label5", "遇忙禁发", bar));
  row->addWidget(Combo6_);
  row->addSpacing(14);
  row->addWidget(make_label("Label6", "FSK", bar));
  row->addWidget(Combo7_);
  row->addStretch(1);
  return bar;
}

QWidget* MainWindow::build_Frame2() {
  QGroupBox* frame = make_frame("Frame2", "信道编辑", background_);
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(10, 8, 10, 10);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(12);
  Combo2_60_ = make_choice("Combo2_60", 72, frame);
  Combo2_62_ = make_choice("Combo2_62", 72, frame);
  grid->addWidget(make_label("Label2_3", "信道总数", frame), 0, 0);
  grid->addWidget(Combo2_60_, 0, 1);
  grid->addWidget(make_label("Label2_2", "频率步长(k)", frame), 1, 0);
  grid->addWidget(Combo2_62_, 1, 1);
  Command9_ = make_button("Command9", "接收", frame);
  Command10_ = make_button("Command10", "发射", frame);
  grid->addWidget(Command9_, 2, 0, Qt::AlignCenter);
  grid->addWidget(Command10_, 2, 1, Qt::AlignCenter);
  for (QPushButton* button : {Command9_, Command10_}) button->setFixedSize(56, 28);
  return frame;
}

void MainWindow::build_timers_and_windows() {
  // Timer1 ticks only once later code gives it an interval.
  Timer1_ = new FormTimer("Timer1", {}, this);
  Timer1_->set_enabled(true);
  Timer2_ = new FormTimer("Timer2", kSplashInterval, this);
  Timer2_->set_enabled(true);
  Form5_ = new ProgressWindow(this);
  register_window(Form5_);
}

}  // namespace m27
