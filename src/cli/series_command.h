// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// m27 series: a series job on the command line, until its end or a stop signal.

#include "cli/arguments.h"
#include "link/qt/port_map.h"

namespace m27 {

// The exit status: 0 no radio failed, 3 a radio failed or is unconfirmed (one a stop interrupted
// does not count), 1 the job could not start (template, log, range, no port opened) or go on (a
// log line failed, every port lost), 2 a port that names no device or a device named twice,
// 128 + N stopped by signal N.
int run_series(const SeriesArgs& args, const PortMap& ports);

}  // namespace m27
