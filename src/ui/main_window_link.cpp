// The main window's side of the link: the read and write transfers, the exchanges of the
// service dialogs, and what the user sees of them.

#include <QAction>
#include <QProgressBar>
#include <QPushButton>

#include "link/read_transfer.h"
#include "link/write_transfer.h"
#include "ui/choice_box.h"
#include "ui/form_timer.h"
#include "ui/main_window.h"
#include "ui/progress_window.h"
#include "ui/status_bar.h"

namespace m27 {
void MainWindow::connect_link() {
  connect(&driver_, &LinkDriver::action, this, &MainWindow::on_link_action);
  connect(Command1_, &QPushButton::clicked, this, &MainWindow::Command1_Click);
  connect(Command2_, &QPushButton::clicked, this, &MainWindow::Command2_Click);
}

void MainWindow::Command1_Click() { start_exchange(std::make_unique<WriteTransfer>(sheet_)); }

// A read may replace an edited sheet: it asks first. It is one undoable step once complete.
void MainWindow::Command2_Click() {
  settle_unsaved_changes([this] {
    before_read_ = edit_state();
    start_exchange(std::make_unique<ReadTransfer>(sheet_),
                   {.on_reply = {}, .on_finished = [this](bool ok) {
                      if (!ok) return;
                      // The read filled the sheet as it went; it is applied as one step.
                      const Sheet read = sheet_;
                      sheet_ = before_read_.sheet;
                      apply_read_sheet(read);
                    }});
  });
}

bool MainWindow::start_exchange(std::unique_ptr<Operation> operation, ExchangeCallbacks callbacks) {
  if (driver_.busy()) return false;
  exchange_ = std::move(callbacks);
  return driver_.start(std::move(operation));
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
  player_.run([this, action, callbacks = exchange_] { apply(action, callbacks); });
}

void MainWindow::apply(const Action& action, const ExchangeCallbacks& callbacks) {
  std::visit(
      [&](const auto& a) {
        using A = std::decay_t<decltype(a)>;
        if constexpr (std::is_same_v<A, Status>) {
          StatusBar1_->set_panel1(QString());
          StatusBar1_->set_panel1(QString::fromStdString(a.text));
        } else if constexpr (std::is_same_v<A, ShowProgress>) {
          Form5_->setWindowTitle(QString::fromStdString(a.caption));
          Form5_->ProgressBar1()->setVisible(true);
          Form5_->move(geometry().center() - Form5_->rect().center());
          Form5_->show();
        } else if constexpr (std::is_same_v<A, SetProgress>) {
          Form5_->ProgressBar1()->setValue(a.value);
        } else if constexpr (std::is_same_v<A, HideProgress>) {
          Form5_->ProgressBar1()->setValue(0);
          Form5_->ProgressBar1()->setVisible(false);
          Form5_->hide();
        } else if constexpr (std::is_same_v<A, EnableCommands>) {
          enable_exchange_commands(a.enabled);
        } else if constexpr (std::is_same_v<A, ArmStatusRefresh>) {
          Timer1_->arm(kStatusRefreshDelay);
        } else if constexpr (std::is_same_v<A, StopStatusRefresh>) {
          Timer1_->set_enabled(false);
        } else if constexpr (std::is_same_v<A, HoldSplashTimer>) {
          Timer2_->set_enabled(!a.hold);
        } else if constexpr (std::is_same_v<A, SheetChanged>) {
          render_sheet();
        } else if constexpr (std::is_same_v<A, ReplyData>) {
          if (callbacks.on_reply) callbacks.on_reply(a);
        } else if constexpr (std::is_same_v<A, Finished>) {
          if (callbacks.on_finished) callbacks.on_finished(a.ok);
        }
      },
      action);
}

// While an exchange runs, nothing may start another one or change what it reads or writes.
void MainWindow::enable_exchange_commands(bool enabled) {
  for (QWidget* w : {static_cast<QWidget*>(Command1_), static_cast<QWidget*>(Command2_),
                     static_cast<QWidget*>(Command5_), static_cast<QWidget*>(Command6_),
                     static_cast<QWidget*>(Combo1_), static_cast<QWidget*>(Combo4_)}) {
    w->setEnabled(enabled);
  }
  for (QAction* a : {WriteChn_, StartWrite_, MenuFileOpen_, MenuSave_}) a->setEnabled(enabled);
  exchange_commands_enabled_ = enabled;
  enable_undo_redo();
  fill_recent_menu();
  emit exchange_commands_enabled(enabled);
}

}  // namespace m27
