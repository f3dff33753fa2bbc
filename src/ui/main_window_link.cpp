// The main window's side of the link: the read and write transfers, the exchanges of the
// service dialogs, and what the user sees of them.

#include <QAction>
#include <QProgressBar>
#include <QPushButton>

#include "link/read_transfer.h"
#include "link/write_transfer.h"
#include "ui/background.h"
#include "ui/choice_box.h"
#include "ui/form_timer.h"
#include "ui/main_window.h"
#include "ui/progress_window.h"
#include "ui/status_bar.h"

namespace m27 {
// The guard holds everything on the window's page (the option bar, the grid, the channel edit
// frame, the transfer buttons), the file and transfer menu items and the port menu.
void MainWindow::connect_link() {
  connect(&driver_, &LinkDriver::reported, this, &MainWindow::on_link_event);
  connect(write_button_, &QPushButton::clicked, this, &MainWindow::start_write);
  connect(read_button_, &QPushButton::clicked, this, &MainWindow::start_read);
  for (QWidget* w : background_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    guard_.add(w);
  }
  for (QAction* a :
       {read_action_, write_action_, open_action_, save_action_, export_csv_, import_csv_}) {
    guard_.add(a);
  }
  for (QAction* a : port_actions_) guard_.add(a);
}

void MainWindow::start_write() {
  start_exchange(std::make_unique<WriteTransfer>(sheet_),
                 {{}, [this](bool ok) { read_back_written(ok); }, {}});
}

// A read may replace an edited sheet: it asks first. Its sheet is applied as one undoable step
// when, and only when, it completes.
void MainWindow::start_read() {
  settle_unsaved_changes([this] {
    start_exchange(std::make_unique<ReadTransfer>(sheet_),
                   {{}, [this](bool ok) { back_up_read(ok); }, {}});
  });
}

// Locked before the first byte goes out; the sequence's Finished, played in its turn, unlocks.
bool MainWindow::start_exchange(std::unique_ptr<Operation> operation, ExchangeCallbacks callbacks) {
  if (driver_.busy()) return false;
  exchange_ = std::move(callbacks);
  enable_exchange_commands(false);
  return driver_.start(std::move(operation));
}

// At once, not after the boxes before it: the port is already closed.
void MainWindow::mark_port_lost(const Message& message) {
  clear_port_checks();
  status_bar_->set_panel1(QStringLiteral("串口关"));
  player_.show(message);
}

void MainWindow::set_monitor_display(std::function<void(const MonitorPacket&)> display) {
  monitor_display_ = std::move(display);
}

void MainWindow::on_link_event(const Event& event) {
  if (const auto* packet = std::get_if<MonitorPacket>(&event)) {
    if (monitor_display_) monitor_display_(*packet);  // live, not part of any sequence
    return;
  }
  if (const auto* notice = std::get_if<Notice>(&event)) {
    player_.show(notice->message);
    return;
  }
  if (const auto* lost = std::get_if<PortLost>(&event)) {
    mark_port_lost(lost->message);
    return;
  }
  if (after_notices_) player_.run(std::exchange(after_notices_, {}));
  if (const auto* began = std::get_if<Began>(&event)) {
    exchange_kind_ = began->exchange;
    refresh_when_finished_ = true;
    player_.run([this, kind = began->exchange] { show_began(kind); });
  } else if (const auto* progress = std::get_if<Progress>(&event)) {
    if (exchange_kind_) show_progress(*exchange_kind_, progress->done);
  } else if (const auto* ended = std::get_if<Ended>(&event)) {
    if (exchange_kind_) show_ended(*exchange_kind_, ended->ending);
  } else if (const auto* finished = std::get_if<Finished>(&event)) {
    player_.run([this, ok = finished->ok, callbacks = exchange_,
                 setting = exchange_kind_ == Exchange::Setting,
                 refresh = std::exchange(refresh_when_finished_, false)] {
      enable_exchange_commands(true);
      if (setting) splash_timer_->set_enabled(true);
      if (refresh) status_refresh_timer_->arm(kStatusRefreshDelay);
      if (callbacks.on_finished) callbacks.on_finished(ok);
    });
    exchange_kind_.reset();
  } else {
    player_.run([this, event, callbacks = exchange_] { apply(event, callbacks); });
  }
}

// While a sequence runs the status panel keeps what it says; a write of the radio also holds
// the about box open.
void MainWindow::show_began(Exchange kind) {
  status_refresh_timer_->set_enabled(false);
  if (kind == Exchange::Write || kind == Exchange::Setting) splash_timer_->set_enabled(false);
}

// What an ending shows before its messages; `after_notices_` what follows once they are closed.
// The status refresh is armed once the sequence has finished, except where noted.
void MainWindow::show_ended(Exchange kind, Ending ending) {
  const bool transfer = kind == Exchange::Read || kind == Exchange::Write;
  auto status = [this](const char* text) { return [this, text] { show_status(text); }; };
  switch (ending) {
    case Ending::Completed:
      if (!transfer) return;
      player_.run([this] { release_transfer(); });
      if (kind == Exchange::Write) {  // the refresh may come while "写频完成" is still open
        refresh_when_finished_ = false;
        player_.run([this] { status_refresh_timer_->arm(kStatusRefreshDelay); });
      }
      player_.run(status(kind == Exchange::Read ? "读频完成" : "写频完成"));
      return;
    case Ending::NoAnswer:
      if (kind == Exchange::Setting) player_.run(status("通讯失败"));
      if (!transfer) return;
      player_.run([this] {
        hide_progress();
        splash_timer_->set_enabled(true);
        show_status("通讯失败");
      });
      after_notices_ = [this] {
        enable_exchange_commands(true);
        show_status("串口");
      };
      return;
    case Ending::ReadError:
    case Ending::CommunicationError:
      player_.run([this, ending] {
        release_transfer();
        show_status(ending == Ending::ReadError ? "读频出错" : "通讯失败");
      });
      return;
    case Ending::Refused:
      refresh_when_finished_ = false;
      player_.run([this] { splash_timer_->set_enabled(true); });
      return;
    case Ending::PortLost:
      refresh_when_finished_ = false;
      player_.run([this, kind] {
        if (kind == Exchange::Query) {
          enable_exchange_commands(true);
        } else {
          release_transfer();
        }
        status_refresh_timer_->arm(kStatusRefreshDelay);
      });
      return;
  }
}

void MainWindow::show_status(const char* text) {
  status_bar_->set_panel1(QString());
  status_bar_->set_panel1(QString::fromUtf8(text));
}

// A transfer's first progress opens the progress window.
void MainWindow::show_progress(Exchange kind, int done) {
  player_.run([this, kind, done] {
    if (done > 0) {
      progress_window_->ProgressBar1()->setValue(done);
      return;
    }
    const bool read = kind == Exchange::Read;
    progress_window_->setWindowTitle(read ? QStringLiteral("向对讲机读入数据")
                                          : QStringLiteral("向对讲机写入数据"));
    progress_window_->ProgressBar1()->setVisible(true);
    progress_window_->move(geometry().center() - progress_window_->rect().center());
    progress_window_->show();
    show_status(read ? "正在读频......" : "正在写频......");
  });
}

void MainWindow::hide_progress() {
  progress_window_->ProgressBar1()->setValue(0);
  progress_window_->ProgressBar1()->setVisible(false);
  progress_window_->hide();
}

// The progress window goes, the commands and the about box's timer come back.
void MainWindow::release_transfer() {
  hide_progress();
  enable_exchange_commands(true);
  splash_timer_->set_enabled(true);
}

void MainWindow::apply(const Event& event, const ExchangeCallbacks& callbacks) {
  if (std::holds_alternative<SheetChecked>(event)) {
    render_sheet();
  } else if (const auto* read = std::get_if<SheetRead>(&event)) {
    if (callbacks.on_sheet) {
      callbacks.on_sheet(read->sheet);
    } else {
      apply_read_sheet(read->sheet);
    }
  } else if (const auto* reply = std::get_if<ReplyData>(&event)) {
    if (callbacks.on_reply) callbacks.on_reply(*reply);
  }
}

// While an exchange runs, nothing may start another one or change what it reads or writes.
void MainWindow::enable_exchange_commands(bool enabled) {
  guard_.set_locked(!enabled);
  exchange_commands_enabled_ = enabled;
  enable_undo_redo();
  fill_recent_menu();
  emit exchange_commands_enabled(enabled);
}

}  // namespace m27
