// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial port the radio hangs on: opened by port number at 9600 baud, 8 data bits, no
// parity, 1 stop bit, no flow control.

#include <QSerialPort>

#include "link/qt/port_map.h"

namespace m27 {

enum class OpenOutcome {
  Opened,
  DoesNotExist,         // the port number maps to nothing, or its device is missing
  InUseOrNoPermission,  // another program holds the port, or we may not open it
  Failed,               // anything else (the device is no serial port, ...)
};

class SerialPort {
 public:
  explicit SerialPort(PortMap ports);

  // Closes the port if it is open, selects port `port_no`, sets the line, opens it for reading
  // and writing and empties both queues. After a failure the port is closed.
  OpenOutcome open_port(int port_no);

  bool is_open() const;

  // At exit: nothing more is written, the port closes. Does nothing when the port is closed.
  void close_for_exit();

  const PortMap& ports() const { return ports_; }

  // The open port, for the link driver that writes frames and reads replies.
  QSerialPort& port() { return port_; }

 private:
  PortMap ports_;
  QSerialPort port_;
};

}  // namespace m27
