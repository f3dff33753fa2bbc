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
  connect(&driver_, &LinkDriver::action, this, &MainWindow::on_link_action);
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

void MainWindow::on_link_action(const Action& action) {
  if (const auto* packet = std::get_if<MonitorPacket>(&action)) {
    if (monitor_display_) monitor_display_(*packet);  // live, not part of any sequence
    return;
  }
  if (const auto* shown = std::get_if<ShowMessage>(&action)) {
    player_.show(shown->message);
    return;
  }
  if (const auto* lost = std::get_if<PortLost>(&action)) {
    mark_port_lost(lost->message);
    return;
  }
  player_.run([this, action, callbacks = exchange_] { apply(action, callbacks); });
}

void MainWindow::apply(const Action& action, const ExchangeCallbacks& callbacks) {
  std::visit(
      [&](const auto& a) {
        using A = std::decay_t<decltype(a)>;
        if constexpr (std::is_same_v<A, Status>) {
          status_bar_->set_panel1(QString());
          status_bar_->set_panel1(QString::fromStdString(a.text));
        } else if constexpr (std::is_same_v<A, ShowProgress>) {
          progress_window_->setWindowTitle(QString::fromStdString(a.caption));
          progress_window_->ProgressBar1()->setVisible(true);
          progress_window_->move(geometry().center() - progress_window_->rect().center());
          progress_window_->show();
        } else if constexpr (std::is_same_v<A, SetProgress>) {
          progress_window_->ProgressBar1()->setValue(a.value);
        } else if constexpr (std::is_same_v<A, HideProgress>) {
          progress_window_->ProgressBar1()->setValue(0);
          progress_window_->ProgressBar1()->setVisible(false);
          progress_window_->hide();
        } else if constexpr (std::is_same_v<A, EnableCommands>) {
          enable_exchange_commands(a.enabled);
        } else if constexpr (std::is_same_v<A, ArmStatusRefresh>) {
          status_refresh_timer_->arm(kStatusRefreshDelay);
        } else if constexpr (std::is_same_v<A, StopStatusRefresh>) {
          status_refresh_timer_->set_enabled(false);
        } else if constexpr (std::is_same_v<A, HoldSplashTimer>) {
          splash_timer_->set_enabled(!a.hold);
        } else if constexpr (std::is_same_v<A, SheetChanged>) {
          render_sheet();
        } else if constexpr (std::is_same_v<A, SheetRead>) {
          if (callbacks.on_sheet) {
            callbacks.on_sheet(a.sheet);
          } else {
            apply_read_sheet(a.sheet);
          }
        } else if constexpr (std::is_same_v<A, ReplyData>) {
          if (callbacks.on_reply) callbacks.on_reply(a);
        } else if constexpr (std::is_same_v<A, Finished>) {
          enable_exchange_commands(true);
          if (callbacks.on_finished) callbacks.on_finished(a.ok);
        }
      },
      action);
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
