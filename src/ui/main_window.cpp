// Start-up, the timers, the about box, the progress window and the exit of the main window.

#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>

#include "channels/grid_edit.h"
#include "link/frame.h"
#include "service/monitor.h"
#include "ui/background.h"
#include "ui/channel_grid.h"
#include "ui/engineering_dialog.h"
#include "ui/form_timer.h"
#include "ui/progress_window.h"
#include "ui/radio_id_dialog.h"
#include "ui/status_bar.h"
#include "ui/test_mode_dialog.h"

namespace m27 {
namespace {

using namespace std::chrono_literals;

constexpr int kStartWidth = 867;
constexpr int kStartHeight = 667;

}  // namespace

MainWindow::MainWindow(PortMap ports, MessageBoxes& boxes, FileDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent),
      boxes_(boxes),
      file_dialogs_(dialogs ? *dialogs : toolkit_dialogs_),
      serial_(std::move(ports)),
      driver_(serial_.port()),
      player_(boxes) {
  build_layout();
  build_menus();
  connect_grid();
  connect_lifecycle();
  connect_link();
  connect_files();
  connect_csv();
  connect_dialogs();
  connect_safety();
  Form_Load();
}

// The dialogs and the about box have no owner window.
MainWindow::~MainWindow() {
  delete Form3_;
  delete Form4_;
  delete Form6_;
  delete splash_;
}

void MainWindow::connect_lifecycle() {
  connect(Timer1_, &FormTimer::tick, this, &MainWindow::Timer1_Timer);
  connect(Timer2_, &FormTimer::tick, this, &MainWindow::Timer2_Timer);
  connect(background_, &Background::clicked, this, &MainWindow::Form_Click);
  connect(background_, &Background::double_clicked, this, &MainWindow::Form_DblClick);
  connect(Form5_, &ProgressWindow::query_unload, this, &MainWindow::Form5_QueryUnload);
}

// A failure to open port 1 is silent; com1 is checked, and the status panel says "串口开", only
// when the port really opened.
void MainWindow::Form_Load() {
  Form5_->ProgressBar1()->setVisible(false);
  const bool port_opened = serial_.open_port(1) == OpenOutcome::Opened;
  fill_option_boxes();
  com_[0]->setChecked(port_opened);
  xbm27_->setChecked(true);
  bt_2_->setChecked(true);
  resize(kStartWidth, kStartHeight);
  show_port_state();
  sheet_ = startup_sheet();
  mark_unchanged(QString());
  render_sheet();
  Form5_->hide();
}

void MainWindow::show_splash() {
  if (!splash_) splash_ = new Splash;
  splash_->adjustSize();
  splash_->move(geometry().center() - splash_->rect().center());
  splash_->show();
  splash_->raise();
}

void MainWindow::close_splash() {
  if (splash_) splash_->close();
}

void MainWindow::register_window(QWidget* window) {
  std::erase_if(loaded_windows_, [](const QPointer<QWidget>& w) { return w.isNull(); });
  loaded_windows_.emplace_back(window);
}

void MainWindow::show_port_state() {
  StatusBar1_->set_panel1(QString());
  StatusBar1_->set_panel1(serial_.is_open() ? QStringLiteral("串口开")
                                            : QStringLiteral("串口关闭"));
}

void MainWindow::Timer1_Timer() {
  show_port_state();
  Timer1_->set_enabled(false);
  Form5_->ProgressBar1()->setValue(0);
}

void MainWindow::Timer2_Timer() { close_splash(); }

void MainWindow::Form_Click() { close_splash(); }

void MainWindow::Form_DblClick() {
  background_double_click(sheet_);
  render_sheet();
}

// Closing the progress window by hand ends the running transfer at once, through its own
// failure path; the controls come back here.
void MainWindow::Form5_QueryUnload() {
  driver_.cancel();
  Command1_->setEnabled(true);
  Command2_->setEnabled(true);
  Form5_->ProgressBar1()->setValue(0);
  Timer1_->arm(kStatusRefreshDelay);
}

void MainWindow::FormCancel_Click() {
  Timer1_->set_enabled(false);
  Timer2_->set_enabled(false);
  closing_ = true;
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!exit_confirmed_) {
    const QScopedValueRollback inside(inside_close_event_, true);
    Form_QueryUnload();
  }
  if (!exit_confirmed_) {
    event->ignore();
    return;
  }
  Form_Unload();
  event->accept();
  emit exited();
}

void MainWindow::Form_QueryUnload() {
  close_splash();
  if (!closing_) {
    Timer1_->set_enabled(false);
    Timer2_->set_enabled(false);
    closing_ = true;
  }
  if (asking_exit_) return;
  asking_exit_ = true;
  if (unsaved_changes()) {
    // Instead of the plain confirmation: 保存 quits once the save has succeeded.
    boxes_.ask_save({"当前信道数据已修改，是否保存？", "", MessageIcon::None},
                    [this](SaveAnswer answer) {
                      answer_exit(answer == SaveAnswer::Discard ||
                                  (answer == SaveAnswer::Save && save_with_dialog()));
                    });
    return;
  }
  boxes_.ask_yes_no({"确认要退出程序吗？", "确认退出", MessageIcon::None},
                    [this](bool yes) { answer_exit(yes); });
}

void MainWindow::answer_exit(bool yes) {
  asking_exit_ = false;
  if (!yes) {
    closing_ = false;
    Timer1_->set_enabled(true);
    Timer2_->set_enabled(true);
    return;
  }
  end_link_for_exit();
  exit_confirmed_ = true;
  if (!inside_close_event_) close();
}

// Once the exit is confirmed the link has nothing more to show: a running exchange ends at once
// (a read applies nothing more, a write sends no end packet), a monitor stream the radio is
// sending is stopped, the port closes, and no message box comes up after the window is gone.
void MainWindow::end_link_for_exit() {
  disconnect(&driver_, nullptr, this, nullptr);
  boxes_.discard_pending();
  driver_.cancel();
  if (driver_.stream_may_run() && serial_.is_open()) {
    const auto stop = wire_bytes(make_Monit_cmd(MonitorMode::Stop));
    serial_.port().write(reinterpret_cast<const char*>(stop.data()),
                         static_cast<qint64>(stop.size()));
    serial_.port().flush();
  }
  serial_.close_for_exit();
}

// Closes the other windows, the most recent first; one that refuses to close stays open with
// every window opened before it.
void MainWindow::Form_Unload() {
  for (auto it = loaded_windows_.rbegin(); it != loaded_windows_.rend(); ++it) {
    if (*it && !(*it)->close()) return;
  }
}

}  // namespace m27
