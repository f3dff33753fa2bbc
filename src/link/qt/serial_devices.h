// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial ports of this system as device paths (/dev/ttyUSB0), in no particular order.

#include <QStringList>
#include <string>

#include "link/qt/port_map.h"

namespace m27 {

QStringList serial_devices(PortScan scan);

// The quick scan over `tty_class` (/sys/class/tty) with the devices in `dev_folder` (/dev): a
// tty is a serial port when a device stands behind it (a virtual console has none) or when it is
// a Bluetooth port (rfcomm*), except a port of the 8250 driver that has no UART behind it (the
// kernel keeps a number of those whatever the machine has).
QStringList scan_tty_class(const std::string& tty_class, const std::string& dev_folder);

}  // namespace m27
