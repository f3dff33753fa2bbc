// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/port_controller.h"

#include <QMenu>

#include "link/qt/port_description.h"
#include "ui/controllers/port_messages.h"
#include "ui/window/status_bar.h"

namespace m27 {
namespace {

// Shown as the status tip of a port that maps to no device.
constexpr const char* kNoDevice = "—";

}  // namespace

PortController::PortController(PortMap ports, MessageBoxes& boxes, StatusBar* status_bar,
                               QObject* parent)
    : QObject(parent), boxes_(boxes), status_bar_(status_bar), serial_(std::move(ports)) {}

void PortController::build_menu(QMenu* menu) {
  menu->setToolTipsVisible(true);
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    const QString name = QStringLiteral("com%1").arg(n);
    QAction* item = menu->addAction(name);
    item->setObjectName(name);
    item->setCheckable(true);
    const QString device = serial_.ports().device(n);
    item->setStatusTip(device.isEmpty() ? QString::fromUtf8(kNoDevice) : device);
    item->setToolTip(item->statusTip());
    connect(item, &QAction::triggered, this, [this, n] { choose_port(n); });
    items_[n - kFirstPort] = item;
  }
  // Asking the system costs tens of milliseconds: not at start-up, but when the menu opens.
  connect(menu, &QMenu::aboutToShow, this, &PortController::describe_ports_in_menu);
}

void PortController::describe_ports_in_menu() {
  for (const PortDescription& port : describe_ports(serial_.ports())) {
    items_[port.port_no - kFirstPort]->setStatusTip(device_with_details(port));
    items_[port.port_no - kFirstPort]->setToolTip(device_with_details(port));
  }
}

int PortController::selected_port() const { return port_no_ != 0 ? port_no_ : kFirstPort; }

void PortController::open_first_port() {
  items_[0]->setChecked(serial_.open_port(kFirstPort) == OpenOutcome::Opened);
}

void PortController::clear_port_checks() {
  for (QAction* item : items_) item->setChecked(false);
}

void PortController::choose_port(int n) {
  port_no_ = n;
  const OpenOutcome outcome = serial_.open_port(n);
  clear_port_checks();
  if (outcome == OpenOutcome::Opened) {
    items_[n - kFirstPort]->setChecked(true);
    status_bar_->set_panel1(tr("串口%1").arg(n));
    return;
  }
  status_bar_->set_panel1(tr("串口关"));
  if (const auto message = port_failure_message(n, outcome, serial_.ports().device(n)))
    boxes_.show(*message);
}

void PortController::show_port_state() {
  status_bar_->set_panel1(QString());
  status_bar_->set_panel1(serial_.is_open() ? tr("串口开") : tr("串口关闭"));
}

void PortController::mark_port_lost() {
  clear_port_checks();
  status_bar_->set_panel1(tr("串口关"));
}

}  // namespace m27
