// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What `m27 --help` says about the commands, and what `m27 COMMAND --help` prints.

#include <QString>

namespace m27 {

// The commands in one line each, with examples; part of `m27 --help`.
QString commands_help();

// The usage of one command (read, write, id, monitor, rssi, ...); empty for any other name.
QString command_help(const QString& name);

// The two lines a usage error prints: what is wrong, then where to read more: the command's own
// help ("try 'm27 series --help'"), or the program's when no command is named.
QString usage_error(const QString& what, const QString& command = {});

}  // namespace m27
