// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line commands: each opens its port, runs its operations on the link driver, prints
// what they show and returns the exit status (exit_status.h).

#include "cli/arguments.h"
#include "link/qt/port_map.h"

namespace m27 {

// Runs `command` on `ports` (the system's, with --port comN=DEV and the fake radio on com1).
// Needs a QCoreApplication; writes on std::cout and std::cerr and reads std::cin's descriptor.
int run_cli_command(const CliCommand& command, const PortMap& ports);

}  // namespace m27
