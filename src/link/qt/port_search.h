// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a search for the radio looks (m27 check --find, the dialog's 自动查找): only where a
// programming cable can be. Opening a port raises its control lines, which resets an Arduino
// board or a 3D printer's controller; a port on any other driver is passed over unless the user
// asks for every port.

#include <vector>

#include "link/qt/port_check.h"
#include "link/qt/port_description.h"

namespace m27 {

// Whether `driver` drives one of the USB serial chips programming cables are built on (FTDI,
// Prolific, WCH, Silicon Labs, with their variants). Cheap Arduino clones use the same chips:
// such a board is probed all the same.
bool is_cable_driver(const QString& driver);

struct SearchPlan {
  std::vector<PortDescription> probed;
  std::vector<PortDescription> passed_over;
};

// Of `ports` (describe_ports of `map`): every port a --port comN=DEV mapped (a ttyS one too) and
// every port on a programming cable's driver are probed; the others only with `all`.
SearchPlan ports_to_search(const std::vector<PortDescription>& ports, const PortMap& map,
                           bool all = false);

// How the check of one searched port came out: its last line, which passed when a radio
// answered, or that it was not checked at all.
struct SearchedPort {
  int port_no = 0;
  QString device;
  CheckLine line;
  bool probed = true;
};

// A port the search passed over: "未检测：不是常见的写频线".
SearchedPort passed_over(const PortDescription& port);

// "com1 (/dev/ttyUSB0)", or "com1" alone when it maps to no device.
QString port_name(int port_no, const QString& device);

// "com1 (/dev/ttyUSB0)：✓ 连接正常：…" (unmarked for a port passed over) for each port in port
// order, then "对讲机在 com1
// (/dev/ttyUSB0)" for each radio found, or "没有找到对讲机".
QStringList search_report(std::vector<SearchedPort> ports);

// The radios of a search.
int radios_found(const std::vector<SearchedPort>& ports);

}  // namespace m27
