// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `m27 diff A.m27 B.m27`: what differs between two channel files, as verify compares.

#include "cli/arguments.h"
#include "link/qt/port_map.h"

namespace m27 {

// Nothing printed when the files agree; the ports are not used.
int run(const DiffArgs& args, const PortMap& ports);

}  // namespace m27
