// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/port_checker.h"

namespace m27 {
namespace {

PortMap with_device(PortMap ports, int port_no, const QString& device) {
  if (!device.isEmpty()) ports.set({port_no, device});
  return ports;
}

}  // namespace

PortChecker::PortChecker(const PortMap& ports, int port_no, const QString& device, QObject* parent)
    : QObject(parent),
      system_ports_(ports),
      port_no_(port_no),
      serial_(with_device(ports, port_no, device)),
      driver_(serial_.port()) {
  connect(&driver_, &LinkDriver::reported, this, [this](const Event& e) {
    if (!std::holds_alternative<Finished>(e)) return;
    driver_.listen(nullptr);
    serial_.close_for_exit();
    emit answered(listener_->verdict());
  });
}

QString PortChecker::name() const {
  const QString device = serial_.ports().device(port_no_);
  return device.isEmpty() ? QStringLiteral("com%1").arg(port_no_) : device;
}

bool PortChecker::start(std::unique_ptr<Operation> ask, LineListener listener) {
  lines_ = device_steps(name(), look_at(serial_.ports().device(port_no_), system_ports_));
  if (!lines_.back().passed) return false;
  lines_.push_back(open_step(serial_, port_no_, name()));
  if (!lines_.back().passed) return false;
  listener_.emplace(std::move(listener));
  driver_.listen(&*listener_);
  driver_.start(std::move(ask));
  return true;
}

}  // namespace m27
