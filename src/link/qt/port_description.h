// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the system tells of a serial port, in the same words wherever it is shown: `m27 ports`,
// the connection check and the tips of the window's port menu. A user with several USB adapters
// tells by them which comN is the radio's cable.

#include <QString>
#include <optional>
#include <vector>

#include "link/qt/port_map.h"

namespace m27 {

enum class PortState { Free, Busy, NoPermission, Missing };

// Empty texts where the system tells nothing.
struct PortDescription {
  int port_no = 0;
  QString device;
  QString description;
  QString manufacturer;
  std::optional<quint16> vendor;
  std::optional<quint16> product;
  QString serial_number;
  PortState state = PortState::Free;
  QString driver = {};  // the kernel's driver behind the device, as sysfs names it
};

// The programming-cable chip behind a USB vendor:product pair ("Prolific PL2303"); empty for a
// pair that is none of them.
QString cable_chip(quint16 vendor, quint16 product);

// "USB-Serial Controller, Prolific, USB 067b:2303 (Prolific PL2303), serial 0001": whatever is
// known of the port besides its device and state; empty when nothing is.
QString port_details(const PortDescription& port);

// "/dev/ttyUSB0 — USB-Serial Controller, ...": the device and its details, if any.
QString device_with_details(const PortDescription& port);

// "com1  /dev/ttyUSB0  CP2102 USB to UART, Silicon Labs, USB 10c4:ea60, serial 0001, busy": the
// port and its device, then its details and its state ("busy", "no permission" or "does not
// exist") when it is not free.
QString port_line(const PortDescription& port);

// Every port of `ports` that has a device, in port order, as Qt Serial Port's listing describes
// it (a device it does not list stays bare); the state is left Free, since finding it out means
// opening the port.
std::vector<PortDescription> describe_ports(const PortMap& ports);

// One device as the listing describes it, also when it is named by a link (/dev/serial/by-id/...).
PortDescription describe_device(int port_no, const QString& device);

}  // namespace m27
