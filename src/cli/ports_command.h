// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `m27 ports`: the ports the window's port menu offers, one line each, so a user with several
// USB adapters can tell which comN is which.

#include "cli/arguments.h"
#include "link/qt/port_map.h"

namespace m27 {

// One line per port of the map with a device (link/qt/port_description.h); a note on standard
// error when there is none.
int run(const PortsArgs& args, const PortMap& ports);

}  // namespace m27
