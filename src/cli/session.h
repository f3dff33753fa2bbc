// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One command's hold on the radio: the serial port, the link driver on it, and the console the
// driver's events play on.

#include <memory>

#include "cli/arguments.h"
#include "cli/console_player.h"
#include "link/operation.h"
#include "link/qt/link_driver.h"
#include "link/qt/serial_port.h"

namespace m27 {

class Session {
 public:
  // `ports`: the system's ports with the program's --port comN=DEV and the fake radio.
  Session(PortMap ports, const PortChoice& choice, ConsolePlayer& player);

  // Opens the chosen port at 9600 8N1. On failure prints which device and why, and the port
  // stays closed.
  bool open();

  // Runs one exchange sequence to its end in the event loop, its events played on the
  // console; whether it succeeded. The link's own time-outs end every wait. On a port that was
  // never opened an operation can still refuse its input, which sends nothing.
  bool run(std::unique_ptr<Operation> operation);

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
};

}  // namespace m27
