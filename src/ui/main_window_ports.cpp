// The port menu: com1 .. com16 choose and open a serial port.

#include <QMenu>

#include "ui/main_window.h"
#include "ui/port_messages.h"
#include "ui/status_bar.h"

namespace m27 {
namespace {

// Shown as the status tip of a port that maps to no device.
constexpr const char* kNoDevice = "—";

}  // namespace

void MainWindow::build_port_menu(QMenu* menu) {
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    const QString name = QStringLiteral("com%1").arg(n);
    QAction* item = menu->addAction(name);
    item->setObjectName(name);
    item->setCheckable(true);
    const QString device = serial_.ports().device(n);
    item->setStatusTip(device.isEmpty() ? QString::fromUtf8(kNoDevice) : device);
    connect(item, &QAction::triggered, this, [this, n] { choose_port(n); });
    port_actions_[n - kFirstPort] = item;
  }
}

void MainWindow::clear_port_checks() {
  for (QAction* item : port_actions_) item->setChecked(false);
}

// A failed choice leaves no item checked and says "串口关": the old port was closed before the
// new one was tried.
void MainWindow::choose_port(int n) {
  port_no_ = n;
  const OpenOutcome outcome = serial_.open_port(n);
  clear_port_checks();
  if (outcome == OpenOutcome::Opened) {
    port_actions_[n - kFirstPort]->setChecked(true);
    status_bar_->set_panel1(QStringLiteral("串口%1").arg(n));
    return;
  }
  status_bar_->set_panel1(QStringLiteral("串口关"));
  if (const auto message = port_failure_message(n, outcome)) boxes_.show(*message);
}

}  // namespace m27
