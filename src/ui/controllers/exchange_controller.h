// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the window's exchange sequences on the link, one at a time, and decides what each event
// of the link means for the window: the status texts, the progress window, the one-second
// status refresh, the about box's timer held while the radio is written, the commands locked
// (the guard) until the sequence has finished. A message box holds what follows it until it is
// closed (the ActionPlayer), as the program's modal boxes always did.

#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "link/qt/link_driver.h"
#include "ui/controllers/action_player.h"
#include "ui/controllers/exchange_guard.h"

class QWidget;

namespace m27 {

class ProgressWindow;
class StatusBar;

class ExchangeController : public QObject {
  Q_OBJECT

 public:
  // The parts of the window the sequences show themselves in.
  struct View {
    QWidget* window;  // the progress window opens centred over it
    StatusBar* status_bar;
    ProgressWindow* progress_window;
    QTimer* status_refresh;                 // one-shot, started as a sequence ends
    std::function<void(bool)> hold_splash;  // the about box stays while the radio is written
  };
  // What one sequence hands back, each in its turn among the events (after every message box
  // before it has been closed).
  struct Callbacks {
    std::function<void(const ReplyData&)> on_reply;
    std::function<void(bool ok)> on_finished;
    std::function<void(const Sheet&)> on_sheet;  // a completed read's sheet
    // Whether the caller tells the user of this ending itself: its messages are not shown.
    std::function<bool(const Finished&)> tells_itself;
  };

  ExchangeController(QSerialPort& port, MessageBoxes& boxes, View view, QObject* parent);

  // Starts a sequence (a transfer, a service request); refused (false) while another one runs
  // or a series job has the link.
  // Locked before the first byte goes out; the sequence's Finished, played in its turn, unlocks.
  bool start(std::unique_ptr<Operation> operation, Callbacks callbacks = {});
  bool running() const { return driver_.busy(); }
  // Ends the running sequence at once through its cancel path.
  void cancel() { driver_.cancel(); }
  // The program is ending: the running sequence ends at once and shows nothing more (a read
  // applies nothing, a write sends no end packet), and a monitor stream the radio is sending
  // is stopped: its stop request is written out before this returns (in the event loop, 200 ms
  // at most).
  void end_for_exit();
  bool stream_may_run() const { return driver_.stream_may_run(); }
  // Everything that crosses the port goes to `listener` too (see LinkDriver::listen).
  void listen(LineListener* listener) { driver_.listen(listener); }
  // A series job borrows the window's link for its life: the commands stay locked, and the link's
  // events go to the job alone. When it comes back, a port the job lost is told (port_lost).
  LinkDriver& lend_link();
  void take_link_back();

  ExchangeGuard& guard() { return guard_; }
  const ExchangeGuard& guard() const { return guard_; }
  // Whether the commands that start an exchange are enabled (see `commands_enabled_changed`).
  bool commands_enabled() const { return commands_enabled_; }
  // Where the packets of the test-mode stream go, as they arrive.
  void set_monitor_display(std::function<void(const MonitorPacket&)> display);
  // Shows `message` once every box queued before it has been closed.
  void show(Message message) { player_.show(std::move(message)); }
  void show(const Notice& notice) { player_.show(notice); }

 signals:
  // The commands that start an exchange are refused (false) while one runs, and come back after.
  void commands_enabled_changed(bool enabled);
  void port_lost();  // the port is closed now; its message follows

 private:
  void on_event(const Event& event);
  void began(Exchange kind);
  void show_progress(Exchange kind, Progress progress);
  void finished(const Finished& ending);
  bool play_ending(Exchange kind, const Finished& f);
  void play_no_answer(const std::vector<Notice>& messages);
  void show_all(const std::vector<Notice>& messages);
  void hide_progress();
  void release_transfer();
  void show_status(const char* text);
  void arm_status_refresh();
  void enable_commands(bool enabled);

  View view_;
  QSerialPort& port_;
  LinkDriver driver_;
  ActionPlayer player_;
  ExchangeGuard guard_;
  bool commands_enabled_ = true;
  Callbacks callbacks_;  // of the sequence started last
  std::function<void(const MonitorPacket&)> monitor_display_;
  std::optional<Exchange> kind_;  // of the sequence under way, once it has begun
  bool lent_ = false;             // a series job has the link: nothing else may start on it
  bool lent_open_ = false;        // the port was open when the link was lent
};

}  // namespace m27
