// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the timers, the about box, the progress window and the exit of the main window.

#include "ui/window/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>

#include "ui/dialogs/series_dialog.h"
#include "ui/grid/channel_grid.h"
#include "ui/print/print_controller.h"
#include "ui/window/background.h"
#include "ui/window/caption.h"
#include "ui/window/progress_window.h"
#include "ui/window/shown_words.h"
#include "ui/window/status_bar.h"

namespace m27 {
namespace {

using namespace std::chrono_literals;

constexpr int kStartWidth = 867;
constexpr int kStartHeight = 667;
constexpr auto kStatusRefreshDelay = 1000ms;
constexpr auto kSplashDelay = 2000ms;

}  // namespace

MainWindow::MainWindow(PortMap ports, MessageBoxes& boxes, FileDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), boxes_(boxes), file_dialogs_(dialogs ? *dialogs : toolkit_dialogs_) {
  history_ = new SheetHistory(
      sheet_, grid_state_, this, [this] { render_sheet(); }, kProgramTitle);
  build_layout();
  ports_ = new PortController(std::move(ports), boxes_, status_bar_, this);
  exchanges_ = new ExchangeController(ports_->serial_port().port(), boxes_,
                                      {this, status_bar_, progress_window_, &status_refresh_timer_,
                                       [this](bool held) { hold_splash(held); }},
                                      this);
  build_menus();
  retranslate_captions(this);  // load() shows the sheet and the port's state
  connect_grid();
  connect_lifecycle();
  files_ = new FileController(
      sheet_, grid_state_, *history_, boxes_, file_dialogs_,
      {this, [this] { render_sheet(); }, [this](bool held) { hold_timers(held); }, status_bar_},
      {open_action_, save_action_, recent_files_, export_csv_, import_csv_, trace_});
  setAcceptDrops(true);
  transfers_ = new TransferController(
      {sheet_, grid_state_, *history_, [this] { render_sheet(); }}, *exchanges_, *files_, boxes_,
      {open_backups_, backup_after_read_, verify_after_write_}, this);
  connect_link();
  service_dialogs_ = new ServiceDialogs(
      *exchanges_, *ports_, this, {engineering_mode_, test_mode_, radio_id_, connection_check_});
  connect(service_dialogs_, &ServiceDialogs::loaded, this, &MainWindow::register_window);
  connect_printing();
  load();
}

// The dialogs and the about box have no owner window.
MainWindow::~MainWindow() {
  delete series_dialog_;  // before the link it may hold
  delete service_dialogs_;
  delete exchanges_;  // before the port it drives
  delete splash_;
}

void MainWindow::connect_lifecycle() {
  for (auto [timer, delay] : {std::pair{&status_refresh_timer_, kStatusRefreshDelay},
                              std::pair{&splash_timer_, kSplashDelay}}) {
    timer->setSingleShot(true);
    timer->setInterval(delay);
  }
  connect(&status_refresh_timer_, &QTimer::timeout, this, &MainWindow::refresh_port_status);
  connect(&splash_timer_, &QTimer::timeout, this, &MainWindow::splash_timer_elapsed);
  connect(background_, &Background::clicked, this, &MainWindow::background_clicked);
  connect(background_, &Background::double_clicked, this, &MainWindow::background_double_clicked);
  connect(progress_window_, &ProgressWindow::query_unload, this,
          &MainWindow::progress_window_closed);
}

// The page names the radio's ID from the last time the radio on the open port told it, until
// that port closes or a file opens.
void MainWindow::connect_printing() {
  printer_ = new PrintController(
      sheet_, boxes_,
      {this,
       [this] {
         commit_edits(sheet_, grid_state_);
         render_sheet();
       },
       [this] { return history_->open_file(); }, [this](bool held) { hold_timers(held); }},
      print_, export_pdf_);
  connect(service_dialogs_, &ServiceDialogs::radio_id_heard, printer_,
          &PrintController::remember_radio_id);
  connect(&ports_->serial_port().port(), &QIODevice::aboutToClose, printer_,
          &PrintController::forget_radio_id);
  connect(files_, &FileController::file_opened, printer_, &PrintController::forget_radio_id);
}

// A failure to open port 1 is silent; com1 is checked, and the status panel says "串口开", only
// when the port really opened.
void MainWindow::load() {
  progress_window_->bar()->setVisible(false);
  ports_->open_first_port();
  fill_option_boxes();
  model_action_->setChecked(true);
  baud_9600_action_->setChecked(true);
  resize(kStartWidth, kStartHeight);
  ports_->show_port_state();
  sheet_ = startup_sheet();
  grid_state_ = {};
  history_->mark_unchanged(QString());
  render_sheet();
  progress_window_->hide();
}

void MainWindow::show_splash() {
  if (!splash_) {
    splash_ = new Splash;
    // However it closes (a click or a key on it), its timer goes with it.
    connect(splash_, &QObject::destroyed, &splash_timer_, &QTimer::stop);
  }
  splash_->adjustSize();
  splash_->move(geometry().center() - splash_->rect().center());
  splash_->show();
  splash_->raise();
  if (!splash_held_) splash_timer_.start();
}

void MainWindow::close_splash() {
  splash_timer_.stop();
  if (splash_) splash_->close();
}

void MainWindow::hold_splash(bool held) {
  splash_held_ = held;
  if (held) {
    splash_timer_.stop();
  } else if (splash_ && splash_->isVisible()) {
    splash_timer_.start();
  }
}

void MainWindow::hold_timers(bool held) {
  if (held == timers_held_) return;
  timers_held_ = held;
  hold_splash(held);
  if (held) {
    refresh_pending_ = status_refresh_timer_.isActive();
    status_refresh_timer_.stop();
  } else if (std::exchange(refresh_pending_, false)) {
    status_refresh_timer_.start();
  }
}

void MainWindow::register_window(QWidget* window) {
  std::erase_if(loaded_windows_, [](const QPointer<QWidget>& w) { return w.isNull(); });
  loaded_windows_.emplace_back(window);
}

void MainWindow::refresh_port_status() {
  ports_->show_port_state();
  status_refresh_timer_.stop();
  progress_window_->bar()->setValue(0);
}

void MainWindow::splash_timer_elapsed() { close_splash(); }

void MainWindow::background_clicked() { close_splash(); }

void MainWindow::background_double_clicked() {
  set_frequency_tab_stops(grid_state_, true);
  render_sheet();
}

// Closing the progress window by hand ends the running transfer at once, through its own
// failure path; the controls come back here.
void MainWindow::progress_window_closed() {
  exchanges_->cancel();
  write_button_->setEnabled(true);
  read_button_->setEnabled(true);
  progress_window_->bar()->setValue(0);
  status_refresh_timer_.start();
}

void MainWindow::request_exit() {
  hold_timers(true);
  closing_ = true;
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!exit_confirmed_) {
    const QScopedValueRollback inside(inside_close_event_, true);
    ask_to_exit();
  }
  if (!exit_confirmed_) {
    event->ignore();
    return;
  }
  unload();
  event->accept();
  emit exited();
}

void MainWindow::ask_to_exit() {
  close_splash();
  if (!closing_) {
    hold_timers(true);
    closing_ = true;
  }
  if (asking_exit_) return;
  asking_exit_ = true;
  if (unsaved_changes()) {
    // Instead of the plain confirmation: 保存 quits once the save has succeeded.
    boxes_.ask_save({tr("当前信道数据已修改，是否保存？").toStdString(), "", MessageIcon::None},
                    [this](SaveAnswer answer) {
                      answer_exit(answer == SaveAnswer::Discard ||
                                  (answer == SaveAnswer::Save && files_->save_with_dialog()));
                    });
    return;
  }
  boxes_.ask_yes_no(
      {tr("确认要退出程序吗？").toStdString(), tr("确认退出").toStdString(), MessageIcon::None},
      [this](bool yes) { answer_exit(yes); });
}

void MainWindow::answer_exit(bool yes) {
  asking_exit_ = false;
  if (!yes) {
    closing_ = false;
    hold_timers(false);
    return;
  }
  end_link_for_exit();
  exit_confirmed_ = true;
  if (!inside_close_event_) close();
}

// Once the exit is confirmed the link has nothing more to show: a running exchange ends at once
// (a read applies nothing more, a write sends no end packet, a series job logs each radio on its
// way as interrupted), a monitor stream the radio is sending is stopped, the port closes, and no
// message box comes up after the window is gone.
void MainWindow::end_link_for_exit() {
  if (series_dialog_) series_dialog_->end_for_exit();
  exchanges_->end_for_exit();
  boxes_.discard_pending();
  ports_->serial_port().close_for_exit();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!files_->dropped_channel_file(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString file = files_->dropped_channel_file(event->mimeData());
  if (file.isEmpty()) return;
  event->acceptProposedAction();
  open_file(file);
}

// Closes the other windows, the most recent first; one that refuses to close stays open with
// every window opened before it.
void MainWindow::unload() {
  for (auto it = loaded_windows_.rbegin(); it != loaded_windows_.rend(); ++it) {
    if (*it && !(*it)->close()) return;
  }
}

}  // namespace m27
