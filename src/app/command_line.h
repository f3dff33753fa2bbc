// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's arguments: without a command it opens the window, with one (read, write, verify,
// diff, id, monitor, rssi, csv, ports, check) it works on the command line.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "channels/result.h"
#include "cli/help.h"
#include "i18n/language.h"
#include "link/qt/port_map.h"

namespace m27 {

inline constexpr std::array<std::string_view, 11> kSubcommands = {
    "read", "write", "verify", "diff", "id", "monitor", "rssi", "csv", "ports", "check", "series"};

struct CommandLine {
  std::vector<PortAssignment> ports;  // --port comN=DEV, in the given order
  bool fake_radio = false;            // --fake-radio
  bool help = false;                  // --help, -h
  bool version = false;               // --version
  QString trace;                      // --trace FILE: the serial trace's file, empty for none
  std::optional<Language> language;   // --language zh|en: this run's language
  QString subcommand;                 // empty: the window
  QStringList subcommand_args;        // what follows the command, for the command itself
  QString file;                       // a channel file the window opens on
};

// Parses the arguments after the program name. --fake-radio, --help and --version may stand
// before or after the command; --port comN=DEV, --trace FILE and --language zh|en before it, since
// after the command
// --port (like anything else the program does not know) belongs to the command. Without a command
// one channel file (a word ending in .m27, or any existing file) may be named for the window.
Result<CommandLine> parse_command_line(const QStringList& args);

// The text --help prints.
QString usage();

// The text --version prints: "m27 1.2.0".
QString version_text();

}  // namespace m27
