// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a search for the radio looks (m27 check --find, the dialog's 自动查找): only where a
// programming cable can be.

#include <vector>

#include "link/qt/port_check.h"
#include "link/qt/port_description.h"

namespace m27 {

// Of `ports` (described_ports of `map`): every port a --port comN=DEV mapped, and every USB
// serial adapter (a port with a USB vendor:product); never a built-in ttyS* port, since opening a
// port toggles its control lines and may reset what hangs on it.
std::vector<PortDescription> ports_to_search(const std::vector<PortDescription>& ports,
                                             const PortMap& map);

// How the check of one searched port came out: its last line, which passed when a radio
// answered.
struct SearchedPort {
  int port_no = 0;
  QString device;
  CheckLine line;
};

// "com1 (/dev/ttyUSB0)", or "com1" alone when it maps to no device.
QString port_name(int port_no, const QString& device);

// "com1 (/dev/ttyUSB0)：✓ 连接正常：…" for each port in port order, then "对讲机在 com1
// (/dev/ttyUSB0)" for each radio found, or "没有找到对讲机".
QStringList search_report(std::vector<SearchedPort> ports);

// The radios of a search.
int radios_found(const std::vector<SearchedPort>& ports);

}  // namespace m27
