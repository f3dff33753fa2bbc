// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One command's hold on the radio: the serial port, the link driver on it, the console the
// driver's events play on, and the signals that stop the command cleanly.

#include <memory>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/console_player.h"
#include "cli/stop_signal.h"
#include "link/operation.h"
#include "link/qt/link_driver.h"
#include "link/qt/serial_port.h"

namespace m27 {

class Session {
 public:
  // `ports`: the system's ports with the program's --port comN=DEV and the fake radio. With
  // `stop`, a stop signal ends the running sequence after the exchange in flight and lets no
  // other start.
  Session(PortMap ports, const PortChoice& choice, ConsolePlayer& player,
          StopSignal* stop = nullptr);

  // Opens the chosen port at 9600 8N1. On failure prints which device and why, and the port
  // stays closed.
  bool open();

  // Runs one exchange sequence to its end in the event loop, its events played on the
  // console; whether it succeeded. The link's own time-outs end every wait. On a port that was
  // never opened an operation can still refuse its input, which sends nothing.
  bool run(std::unique_ptr<Operation> operation);

  // Whether a stop signal has come.
  bool stopped() { return stop_ && stop_->received(); }
  // A command a stop signal ended before its work was done: says what was interrupted
  // ("读频已中断") and gives the exit status, 128 + the signal's number.
  int interrupted(const Message& what);

  // The driver, whose events reach the console between operations too (monitor packets).
  LinkDriver& driver() { return driver_; }

 private:
  QString port_name() const;
  QString device() const;  // the device path the port opens, empty when none

  int port_no_;
  QString device_;  // the device path the command named, empty for a port number
  SerialPort serial_;
  LinkDriver driver_;
  ConsolePlayer& player_;
  StopSignal* stop_;
};

}  // namespace m27
