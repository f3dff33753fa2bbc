// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/exchange_controller.h"

#include <QProgressBar>
#include <QWidget>

#include "i18n/translated.h"
#include "link/qt/run_to_end.h"
#include "service/monitor_command.h"
#include "ui/window/progress_window.h"
#include "ui/window/status_bar.h"

namespace m27 {
namespace {

constexpr std::chrono::milliseconds kStopStreamBound{200};

}  // namespace

ExchangeController::ExchangeController(QSerialPort& port, MessageBoxes& boxes, View view,
                                       QObject* parent)
    : QObject(parent), view_(view), port_(port), driver_(port), player_(boxes) {
  connect(&driver_, &LinkDriver::reported, this, &ExchangeController::on_event);
}

bool ExchangeController::start(std::unique_ptr<Operation> operation, Callbacks callbacks) {
  if (driver_.busy() || lent_) return false;
  callbacks_ = std::move(callbacks);
  enable_commands(false);
  return driver_.start(std::move(operation));
}

// The stop request is on the line before the port closes: the event loop runs until it has
// been written, for 200 ms at most (4 bytes take 4 ms at 9600 baud).
void ExchangeController::end_for_exit() {
  disconnect(&driver_, nullptr, this, nullptr);
  driver_.cancel();
  if (driver_.stream_may_run()) {
    run_to_end(driver_, std::make_unique<MonitorCommand>(MonitorButton::StopRssi),
               kStopStreamBound);
  }
}

LinkDriver& ExchangeController::lend_link() {
  disconnect(&driver_, &LinkDriver::reported, this, &ExchangeController::on_event);
  lent_ = true;
  lent_open_ = port_.isOpen();
  enable_commands(false);
  return driver_;
}

void ExchangeController::take_link_back() {
  lent_ = false;
  connect(&driver_, &LinkDriver::reported, this, &ExchangeController::on_event);
  enable_commands(true);
  if (lent_open_ && !port_.isOpen()) emit port_lost();
}

void ExchangeController::set_monitor_display(std::function<void(const MonitorPacket&)> display) {
  monitor_display_ = std::move(display);
}

// What an event does is decided as it arrives and carried out in its turn among the boxes.
void ExchangeController::on_event(const Event& event) {
  if (const auto* packet = std::get_if<MonitorPacket>(&event)) {
    if (monitor_display_) monitor_display_(*packet);  // live, not part of any sequence
  } else if (const auto* lost = std::get_if<PortLost>(&event)) {
    emit port_lost();  // at once, not after the boxes before it: the port is already closed
    player_.show(lost->message);
  } else if (const auto* b = std::get_if<Began>(&event)) {
    kind_ = b->exchange;
    player_.run([this, kind = b->exchange] { began(kind); });
  } else if (const auto* progress = std::get_if<Progress>(&event)) {
    if (kind_) show_progress(*kind_, *progress);
  } else if (const auto* read = std::get_if<SheetRead>(&event)) {
    player_.run([sheet = read->sheet, on_sheet = callbacks_.on_sheet] {
      if (on_sheet) on_sheet(sheet);
    });
  } else if (const auto* reply = std::get_if<ReplyData>(&event)) {
    player_.run([reply = *reply, on_reply = callbacks_.on_reply] {
      if (on_reply) on_reply(reply);
    });
  } else if (const auto* f = std::get_if<Finished>(&event)) {
    finished(*f);
  }
}

// While a sequence runs the status panel keeps what it says; a write of the radio also holds
// the about box open.
void ExchangeController::began(Exchange kind) {
  view_.status_refresh->stop();
  if (kind == Exchange::Write || kind == Exchange::Setting) view_.hold_splash(true);
}

// A transfer's first progress opens the progress window, its bar running to the transfer's end.
void ExchangeController::show_progress(Exchange kind, Progress progress) {
  player_.run([this, kind, progress] {
    QProgressBar* bar = view_.progress_window->bar();
    if (progress.done > 0) {
      bar->setValue(progress.done);
      return;
    }
    const bool read = kind == Exchange::Read;
    view_.progress_window->setWindowTitle(read ? tr("向对讲机读入数据") : tr("向对讲机写入数据"));
    bar->setRange(0, progress.of);
    bar->setVisible(true);
    view_.progress_window->move(view_.window->geometry().center() -
                                view_.progress_window->rect().center());
    view_.progress_window->show();
    show_status(read ? QT_TR_NOOP("正在读频......") : QT_TR_NOOP("正在写频......"));
  });
}

void ExchangeController::finished(const Finished& ending) {
  Finished f = ending;
  if (callbacks_.tells_itself && callbacks_.tells_itself(ending)) f.messages.clear();
  bool refresh = false;
  if (kind_) {
    refresh = play_ending(*kind_, f);
  } else {
    show_all(f.messages);
  }
  player_.run([this, ok = f.ok(), on_finished = callbacks_.on_finished,
               setting = kind_ == Exchange::Setting, refresh] {
    enable_commands(true);
    if (setting) view_.hold_splash(false);
    if (refresh) arm_status_refresh();
    if (on_finished) on_finished(ok);
  });
  kind_.reset();
}

// What an ending of a sequence that began shows around its messages. Returns whether the status
// refresh is armed once the sequence has finished; some endings arm it earlier themselves.
bool ExchangeController::play_ending(Exchange kind, const Finished& f) {
  const bool transfer = kind == Exchange::Read || kind == Exchange::Write;
  const auto status = [this](const char* text) { return [this, text] { show_status(text); }; };
  switch (f.ending) {
    case Ending::Completed:
      if (transfer) {
        player_.run([this] { release_transfer(); });
        // The refresh may come while "写频完成" is still open.
        if (kind == Exchange::Write) player_.run([this] { arm_status_refresh(); });
        player_.run(
            status(kind == Exchange::Read ? QT_TR_NOOP("读频完成") : QT_TR_NOOP("写频完成")));
      }
      show_all(f.messages);
      return kind != Exchange::Write;
    case Ending::NoAnswer:
      if (kind == Exchange::Setting) player_.run(status(QT_TR_NOOP("通讯失败")));
      if (transfer) {
        play_no_answer(f.messages);
      } else {
        show_all(f.messages);
      }
      return true;
    case Ending::ReadError:
      if (f.messages.size() > 1) play_no_answer({f.messages.front()});
      player_.run([this] {
        release_transfer();
        show_status(QT_TR_NOOP("读频出错"));
      });
      if (!f.messages.empty()) player_.show(f.messages.back());
      return true;
    case Ending::CommunicationError:
      player_.run([this] {
        release_transfer();
        show_status(QT_TR_NOOP("通讯失败"));
      });
      show_all(f.messages);
      return true;
    case Ending::PortLost:
      player_.run([this, kind] {
        if (kind == Exchange::Query) {
          enable_commands(true);
        } else {
          release_transfer();
        }
        arm_status_refresh();
      });
      return false;
    case Ending::Interrupted:
      player_.run([this] { release_transfer(); });
      show_all(f.messages);
      return true;
    case Ending::Refused:
      show_all(f.messages);
      return false;
  }
  return true;
}

// A transfer the radio stopped answering: the progress window goes and the panel says so while
// the messages are open; the commands come back once they are closed.
void ExchangeController::play_no_answer(const std::vector<Notice>& messages) {
  player_.run([this] {
    hide_progress();
    view_.hold_splash(false);
    show_status(QT_TR_NOOP("通讯失败"));
  });
  show_all(messages);
  player_.run([this] {
    enable_commands(true);
    show_status(QT_TR_NOOP("串口"));
  });
}

void ExchangeController::show_all(const std::vector<Notice>& messages) {
  for (const Notice& message : messages) player_.show(message);
}

void ExchangeController::hide_progress() {
  view_.progress_window->bar()->setValue(0);
  view_.progress_window->bar()->setVisible(false);
  view_.progress_window->hide();
}

// The progress window goes, the commands and the about box's timer come back.
void ExchangeController::release_transfer() {
  hide_progress();
  enable_commands(true);
  view_.hold_splash(false);
}

void ExchangeController::show_status(const char* text) {
  view_.status_bar->set_panel1(QString());
  view_.status_bar->set_panel1(tr(text));
}

void ExchangeController::arm_status_refresh() { view_.status_refresh->start(); }

// While an exchange runs, nothing may start another one or change what it reads or writes.
void ExchangeController::enable_commands(bool enabled) {
  guard_.set_locked(!enabled);
  commands_enabled_ = enabled;
  emit commands_enabled_changed(enabled);
}

}  // namespace m27
