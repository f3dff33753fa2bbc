// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `m27 check`: why the radio does not answer, step by step on one port, or on which port it is.

#include "cli/arguments.h"
#include "link/qt/port_map.h"

namespace m27 {

// One line per step on standard output, "✓ " or "✗ " and its text; exit status 0 when the radio
// answered, 1 when a port step failed, 4 when it did not answer properly. --find (and no --port
// while com1 maps to nothing): the check on every port where a cable can be, all at once, one
// line each, then where the radio is; 0 when exactly one radio answered, 3 when several did, 4
// when none.
int run(const CheckArgs& args, const PortMap& ports);

}  // namespace m27
