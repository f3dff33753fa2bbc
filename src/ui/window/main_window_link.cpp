// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the link: the exchange controller wired to the view, the transfer
// buttons, and 批量写频.

#include <QAction>
#include <QFileInfo>
#include <QPushButton>

#include "ui/dialogs/series_dialog.h"
#include "ui/window/background.h"
#include "ui/window/main_window.h"

namespace m27 {

// The guard holds everything on the window's page (the option bar, the grid, the channel edit
// frame, the transfer buttons), the file and transfer menu items and the port menu.
void MainWindow::connect_link() {
  connect(write_button_, &QPushButton::clicked, transfers_, &TransferController::start_write);
  connect(read_button_, &QPushButton::clicked, transfers_, &TransferController::start_read);
  ExchangeGuard& guard = exchanges_->guard();
  for (QWidget* w : background_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) guard.add(w);
  for (QAction* a :
       {read_action_, write_action_, open_action_, save_action_, export_csv_, import_csv_}) {
    guard.add(a);
  }
  for (QAction* a : ports_->menu_items()) guard.add(a);
  connect(exchanges_, &ExchangeController::commands_enabled_changed, this, [this](bool enabled) {
    history_->set_commands_enabled(enabled);
    files_->set_commands_enabled(enabled);
    emit exchange_commands_enabled(enabled);
  });
  connect(exchanges_, &ExchangeController::port_lost, ports_, &PortController::mark_port_lost);
}

bool MainWindow::start_exchange(std::unique_ptr<Operation> operation, ExchangeCallbacks callbacks) {
  return exchanges_->start(std::move(operation), std::move(callbacks));
}

SeriesDialog* MainWindow::series_dialog() const { return series_dialog_; }

// Loaded once, centred over the window the first time.
void MainWindow::open_series_dialog() {
  if (!series_dialog_) {
    series_dialog_ = new SeriesDialog(
        *exchanges_,
        {[this] { return transfers_->snap_for_write(tr("批量写频")); }, serial_port().ports(),
         [this] { return ports_->open_port_no(); },
         [this](const Message& question, std::function<void(bool)> answer) {
           boxes_.ask_yes_no(question, std::move(answer));
         },
         file_dialogs_, [this] { return QFileInfo(history_->open_file()).fileName(); }});
    register_window(series_dialog_);
    series_dialog_->adjustSize();
    series_dialog_->move(geometry().center() - series_dialog_->rect().center());
  }
  series_dialog_->show();
  series_dialog_->raise();
  series_dialog_->activateWindow();
}

}  // namespace m27
