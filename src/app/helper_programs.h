// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The programs m27 hands work to (the window, the fake radio): next to it in a build tree, in
// the installation's folder of helpers (lib/m27/ beside bin/) otherwise.

#include <string>

namespace m27 {

std::string helper_program(const std::string& name);

// The window program, which m27 becomes when started without a command.
std::string window_program();

// Replaces this process by `program`, with `argv` as it is (argv[0] too, so that the window is
// still "m27" to the desktop); returns only when that fails, with the reason.
std::string exec_program(const std::string& program, char* argv[]);

}  // namespace m27
