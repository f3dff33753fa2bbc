// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `m27 verify --port DEV FILE`: the radio against what writing FILE would send; and the same
// check after `m27 write --verify`.

#include <optional>

#include "channels/sheet.h"
#include "cli/arguments.h"
#include "cli/console_player.h"
#include "cli/session.h"
#include "link/qt/port_map.h"

namespace m27 {

int run(const VerifyArgs& args, const PortMap& ports);

// Prints one line per difference on the output stream (the first sheet's value, then the
// second's): kExitSuccess when there is none, else kExitDifferent.
int report_differences(const Sheet& first, const Sheet& second, ConsolePlayer& player);

// Reads the radio on `session` and reports how it differs from `expected`, with the verdict
// ("校验通过", "校验不一致") on the error stream; the exit status of a stop signal when one ended
// the read ("校验已中断"); nullopt when the radio could not be read.
std::optional<int> verify_radio(const Sheet& expected, Session& session, ConsolePlayer& player);

}  // namespace m27
