// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/session.h"

#include "cli/cli_words.h"
#include "cli/exit_status.h"
#include "i18n/translated.h"
#include "link/qt/port_words.h"
#include "link/qt/run_to_end.h"

namespace m27 {
namespace {

// A device path the command named takes port 1 of a map of its own.
PortMap ports_for(PortMap ports, const PortChoice& choice) {
  if (!choice.device.isEmpty()) ports.set({kFirstPort, choice.device});
  return ports;
}

}  // namespace

Session::Session(PortMap ports, const PortChoice& choice, ConsolePlayer& player, StopSignal* stop)
    : port_no_(choice.device.isEmpty() ? choice.port_no : kFirstPort),
      device_(choice.device),
      serial_(ports_for(std::move(ports), choice)),
      driver_(serial_.port()),
      player_(player),
      stop_(stop) {
  if (stop_) stop_->on_arrival([this] { driver_.interrupt(); });
  QObject::connect(&driver_, &LinkDriver::reported, [this](const Event& e) {
    if (const auto* lost = std::get_if<PortLost>(&e)) {
      player_.note(message_line(translated(lost->message)) + " (" + port_name().toStdString() +
                   ")");
      return;
    }
    player_.play(e);
  });
}

bool Session::open() {
  const OpenOutcome outcome = serial_.open_port(port_no_);
  if (outcome == OpenOutcome::Opened) return true;
  const QString named = device().isEmpty() ? port_name() : device();
  player_.note("m27: " + cannot_open(outcome, named, serial_.port().errorString()).toStdString());
  if (const auto hint = dialout_hint(outcome, device())) {
    player_.note("m27: " + hint->toStdString());
  }
  return false;
}

QString Session::device() const {
  return device_.isEmpty() ? serial_.ports().device(port_no_) : device_;
}

bool Session::run(std::unique_ptr<Operation> operation) {
  if (stopped()) return false;
  return run_to_end(driver_, std::move(operation)) == Ending::Completed;
}

int Session::interrupted(const Message& what) {
  player_.show(what);
  return kExitStopped + stop_->signal_number();
}

QString Session::port_name() const {
  if (!device_.isEmpty()) return device_;
  const QString number = QString::number(port_no_);
  const QString device = serial_.ports().device(port_no_);
  if (device.isEmpty()) {
    return cli_words(
               QT_TRANSLATE_NOOP(
                   "cli", "com%1 (no device; --port com%1=DEVICE before the command sets one)"))
        .arg(number);
  }
  return QStringLiteral("com%1 (%2)").arg(number, device);
}

}  // namespace m27
