// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The backup of every radio the command line reads, in the user's data folder
// ($XDG_DATA_HOME/m27/backups, by default ~/.local/share/m27/backups).

#include "channels/sheet.h"
#include "cli/console_player.h"

namespace m27 {

// Keeps a dated copy of a sheet just read. A backup that cannot be written is reported
// ("备份失败") and changes nothing else: the read stays a success.
void back_up(const Sheet& sheet, ConsolePlayer& player);

}  // namespace m27
