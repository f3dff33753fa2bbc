// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a search for the radio looks (m27 check --find, the dialog's 自动查找): only where a
// programming cable can be.

#include <vector>

#include "link/qt/port_description.h"

namespace m27 {

// Of `ports` (described_ports of `map`): every port a --port comN=DEV mapped, and every USB
// serial adapter (a port with a USB vendor:product); never a built-in ttyS* port, since opening a
// port toggles its control lines and may reset what hangs on it.
std::vector<PortDescription> ports_to_search(const std::vector<PortDescription>& ports,
                                             const PortMap& map);

}  // namespace m27
