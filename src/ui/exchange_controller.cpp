// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/exchange_controller.h"

#include <QProgressBar>
#include <QWidget>

#include "link/frame.h"
#include "service/monitor.h"
#include "ui/form_timer.h"
#include "ui/progress_window.h"
#include "ui/status_bar.h"

namespace m27 {

ExchangeController::ExchangeController(QSerialPort& port, MessageBoxes& boxes, View view,
                                       QObject* parent)
    : QObject(parent), view_(view), port_(port), driver_(port), player_(boxes) {
  connect(&driver_, &LinkDriver::reported, this, &ExchangeController::on_event);
}

bool ExchangeController::start(std::unique_ptr<Operation> operation, Callbacks callbacks) {
  if (driver_.busy()) return false;
  callbacks_ = std::move(callbacks);
  enable_commands(false);
  return driver_.start(std::move(operation));
}

void ExchangeController::end_for_exit() {
  disconnect(&driver_, nullptr, this, nullptr);
  driver_.cancel();
  if (driver_.stream_may_run() && port_.isOpen()) {
    const auto stop = wire_bytes(monitor_request(MonitorMode::Stop));
    port_.write(reinterpret_cast<const char*>(stop.data()), static_cast<qint64>(stop.size()));
    port_.flush();
  }
}

void ExchangeController::set_monitor_display(std::function<void(const MonitorPacket&)> display) {
  monitor_display_ = std::move(display);
}

// What an event does is decided as it arrives and carried out in its turn among the boxes.
void ExchangeController::on_event(const Event& event) {
  if (const auto* packet = std::get_if<MonitorPacket>(&event)) {
    if (monitor_display_) monitor_display_(*packet);  // live, not part of any sequence
    return;
  }
  if (const auto* notice = std::get_if<Notice>(&event)) {
    player_.show(notice->message);
    return;
  }
  if (const auto* lost = std::get_if<PortLost>(&event)) {
    emit port_lost();  // at once, not after the boxes before it: the port is already closed
    player_.show(lost->message);
    return;
  }
  if (after_notices_) player_.run(std::exchange(after_notices_, {}));
  if (const auto* b = std::get_if<Began>(&event)) {
    kind_ = b->exchange;
    refresh_when_finished_ = true;
    player_.run([this, kind = b->exchange] { began(kind); });
  } else if (const auto* progress = std::get_if<Progress>(&event)) {
    if (kind_) show_progress(*kind_, progress->done);
  } else if (const auto* e = std::get_if<Ended>(&event)) {
    if (kind_) ended(*kind_, e->ending);
  } else if (const auto* f = std::get_if<Finished>(&event)) {
    finished(f->ok);
  } else if (std::holds_alternative<SheetChecked>(event)) {
    player_.run([this] { emit sheet_checked(); });
  } else if (const auto* read = std::get_if<SheetRead>(&event)) {
    player_.run([this, sheet = read->sheet, on_sheet = callbacks_.on_sheet] {
      if (on_sheet) {
        on_sheet(sheet);
      } else {
        emit sheet_read(sheet);
      }
    });
  } else if (const auto* reply = std::get_if<ReplyData>(&event)) {
    player_.run([reply = *reply, on_reply = callbacks_.on_reply] {
      if (on_reply) on_reply(reply);
    });
  }
}

// While a sequence runs the status panel keeps what it says; a write of the radio also holds
// the about box open.
void ExchangeController::began(Exchange kind) {
  view_.status_refresh_timer->set_enabled(false);
  if (kind == Exchange::Write || kind == Exchange::Setting) view_.splash_timer->set_enabled(false);
}

// A transfer's first progress opens the progress window.
void ExchangeController::show_progress(Exchange kind, int done) {
  player_.run([this, kind, done] {
    QProgressBar* bar = view_.progress_window->ProgressBar1();
    if (done > 0) {
      bar->setValue(done);
      return;
    }
    const bool read = kind == Exchange::Read;
    view_.progress_window->setWindowTitle(read ? QStringLiteral("向对讲机读入数据")
                                               : QStringLiteral("向对讲机写入数据"));
    bar->setVisible(true);
    view_.progress_window->move(view_.window->geometry().center() -
                                view_.progress_window->rect().center());
    view_.progress_window->show();
    show_status(transfer_under_way(kind));
  });
}

// What an ending shows before its messages; `after_notices_` what follows once they are closed.
// The status refresh is armed once the sequence has finished, except where noted.
void ExchangeController::ended(Exchange kind, Ending ending) {
  const bool transfer = kind == Exchange::Read || kind == Exchange::Write;
  const auto status = [this](const char* text) { return [this, text] { show_status(text); }; };
  switch (ending) {
    case Ending::Completed:
      if (!transfer) return;
      player_.run([this] { release_transfer(); });
      if (kind == Exchange::Write) {  // the refresh may come while "写频完成" is still open
        refresh_when_finished_ = false;
        player_.run([this] { arm_status_refresh(); });
      }
      player_.run(status(kind == Exchange::Read ? "读频完成" : "写频完成"));
      return;
    case Ending::NoAnswer:
      if (kind == Exchange::Setting) player_.run(status("通讯失败"));
      if (!transfer) return;
      player_.run([this] {
        hide_progress();
        view_.splash_timer->set_enabled(true);
        show_status("通讯失败");
      });
      after_notices_ = [this] {
        enable_commands(true);
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
      player_.run([this] { view_.splash_timer->set_enabled(true); });
      return;
    case Ending::PortLost:
      refresh_when_finished_ = false;
      player_.run([this, kind] {
        if (kind == Exchange::Query) {
          enable_commands(true);
        } else {
          release_transfer();
        }
        arm_status_refresh();
      });
      return;
  }
}

void ExchangeController::finished(bool ok) {
  player_.run([this, ok, on_finished = callbacks_.on_finished, setting = kind_ == Exchange::Setting,
               refresh = std::exchange(refresh_when_finished_, false)] {
    enable_commands(true);
    if (setting) view_.splash_timer->set_enabled(true);
    if (refresh) arm_status_refresh();
    if (on_finished) on_finished(ok);
  });
  kind_.reset();
}

void ExchangeController::hide_progress() {
  view_.progress_window->ProgressBar1()->setValue(0);
  view_.progress_window->ProgressBar1()->setVisible(false);
  view_.progress_window->hide();
}

// The progress window goes, the commands and the about box's timer come back.
void ExchangeController::release_transfer() {
  hide_progress();
  enable_commands(true);
  view_.splash_timer->set_enabled(true);
}

void ExchangeController::show_status(const char* text) {
  view_.status_bar->set_panel1(QString());
  view_.status_bar->set_panel1(QString::fromUtf8(text));
}

void ExchangeController::arm_status_refresh() {
  view_.status_refresh_timer->arm(kStatusRefreshDelay);
}

// While an exchange runs, nothing may start another one or change what it reads or writes.
void ExchangeController::enable_commands(bool enabled) {
  guard_.set_locked(!enabled);
  commands_enabled_ = enabled;
  emit commands_enabled_changed(enabled);
}

}  // namespace m27
