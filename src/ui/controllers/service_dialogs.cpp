// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/service_dialogs.h"

#include <QAction>
#include <type_traits>

#include "ui/dialogs/connection_check_dialog.h"
#include "ui/dialogs/engineering_dialog.h"
#include "ui/controllers/exchange_controller.h"
#include "ui/dialogs/radio_id_dialog.h"
#include "ui/dialogs/test_mode_dialog.h"

namespace m27 {
namespace {

constexpr int kDialogMargin = 24;

}  // namespace

// A stream keeps running when its dialog is closed, so its next packet may load it again.
ServiceDialogs::ServiceDialogs(ExchangeController& exchanges, PortController& ports,
                               QWidget* window, Menu menu)
    : QObject(window), exchanges_(exchanges), ports_(ports), window_(window) {
  connect(menu.engineering_mode, &QAction::triggered, this,
          &ServiceDialogs::open_engineering_dialog);
  connect(menu.test_mode, &QAction::triggered, this, &ServiceDialogs::open_test_mode_dialog);
  connect(menu.radio_id, &QAction::triggered, this, &ServiceDialogs::open_radio_id_dialog);
  connect(menu.connection_check, &QAction::triggered, this, &ServiceDialogs::open_connection_check);
  exchanges.set_monitor_display([this](const MonitorPacket& packet) {
    monitor_runs_.take(Clock::now(), packet.packet);
    load(test_mode_dialog_, monitor_runs_)->decode_monitor_packet(packet.packet);
  });
}

ServiceDialogs::~ServiceDialogs() {
  delete engineering_dialog_;
  delete test_mode_dialog_;
  delete radio_id_dialog_;
  delete connection_check_;
}

EngineeringDialog* ServiceDialogs::engineering_dialog() const { return engineering_dialog_; }

TestModeDialog* ServiceDialogs::test_mode_dialog() const { return test_mode_dialog_; }

RadioIdDialog* ServiceDialogs::radio_id_dialog() const { return radio_id_dialog_; }

ConnectionCheckDialog* ServiceDialogs::connection_check() const { return connection_check_; }

void ServiceDialogs::open_engineering_dialog() { show_dialog(load(engineering_dialog_)); }

void ServiceDialogs::open_test_mode_dialog() {
  show_dialog(load(test_mode_dialog_, monitor_runs_));
}

void ServiceDialogs::open_radio_id_dialog() { show_dialog(load(radio_id_dialog_)); }

void ServiceDialogs::open_connection_check() {
  ConnectionCheckDialog* dialog = load(connection_check_, ports_);
  show_dialog(dialog);
  dialog->check();
}

template <typename Dialog, typename... Uses>
Dialog* ServiceDialogs::load(QPointer<Dialog>& dialog, Uses&... uses) {
  if (!dialog) {
    dialog = new Dialog(exchanges_, uses...);
    if constexpr (std::is_same_v<Dialog, RadioIdDialog>) {
      connect(dialog, &RadioIdDialog::id_read, this, &ServiceDialogs::radio_id_heard);
    }
    if constexpr (std::is_same_v<Dialog, ConnectionCheckDialog>) {
      connect(dialog, &ConnectionCheckDialog::radio_answered, this,
              &ServiceDialogs::radio_id_heard);
    }
    emit loaded(dialog);
  }
  return dialog;
}

// A dialog shown for the first time opens over the main window, beside the grid.
void ServiceDialogs::show_dialog(QWidget* dialog) {
  if (!dialog->isVisible()) {
    dialog->adjustSize();
    const QRect frame = window_->frameGeometry();
    dialog->move(frame.x() + frame.width() - dialog->width() - kDialogMargin,
                 frame.y() + kDialogMargin * 4);
  }
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

}  // namespace m27
