// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `m27 ports`: the ports the window's port menu offers, one line each, so a user with several
// USB adapters can tell which comN is which.

#include <QString>
#include <optional>

#include "cli/arguments.h"
#include "link/qt/port_map.h"

namespace m27 {

enum class PortState { Free, Busy, NoPermission, Missing };

// What the system tells of one port; empty texts where it tells nothing.
struct PortDescription {
  int port_no = 0;
  QString device;
  QString description;
  QString manufacturer;
  std::optional<quint16> vendor;
  std::optional<quint16> product;
  QString serial_number;
  PortState state = PortState::Free;
};

// "com1  /dev/ttyUSB0  CP2102 USB to UART, Silicon Labs, USB 10c4:ea60, serial 0001, busy":
// the port and its device, then whatever of the rest is known ("busy", "no permission" or
// "does not exist" last).
QString port_line(const PortDescription& port);

// One line per port of the map with a device; a note on standard error when there is none.
int run(const PortsArgs& args, const PortMap& ports);

}  // namespace m27
