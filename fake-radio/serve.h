// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Serves a radio model on a pseudo-terminal in real time.

#include "fake-radio/radio_line.h"

namespace m27::fake {

// Opens a pseudo-terminal pair in raw mode, prints the path of its device on the first line of
// stdout, and lets the radios on the line answer whatever arrives there until SIGTERM, SIGINT or
// the end of stdin; the lines of stdin swap the radio (line_command.h). Keeps its own descriptor
// of the device open, so the program under test may close and reopen it. With `log`, every
// request and reply goes to stderr in hex. Returns the exit status.
int serve(RadioLine& line, bool log);

}  // namespace m27::fake
