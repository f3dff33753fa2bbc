// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial ports of this system as device paths (/dev/ttyUSB0), in no particular order.

#include <QStringList>
#include <filesystem>
#include <string>

#include "link/qt/port_map.h"

namespace m27 {

QStringList serial_devices(PortScan scan);

// Whether the tty of the sysfs folder `tty` (/sys/class/tty/NAME or /sys/dev/char/MAJOR:MINOR)
// is a serial port: a device stands behind it (a virtual console has none), except a port of the
// 8250 driver with no UART behind it (the kernel keeps a number of those whatever the machine
// has), or it is a Bluetooth port (rfcomm*). Nothing is opened.
bool is_serial_tty(const std::filesystem::path& tty);

// The kernel driver behind `device` (ftdi_sio for an FTDI USB adapter, cdc_acm for a board that
// is its own USB device), as the link device/driver of its tty in `tty_class` names it; empty
// when none does.
QString tty_driver(const QString& device,
                   const std::filesystem::path& tty_class = "/sys/class/tty");

// The quick scan over `tty_class` (/sys/class/tty) with the devices in `dev_folder` (/dev): its
// serial ports.
QStringList scan_tty_class(const std::string& tty_class, const std::string& dev_folder);

}  // namespace m27
