// SPDX-License-Identifier: GPL-3.0-or-later
// m27: with a command the command line, on Qt Core and Serial Port only, so that a command starts
// as fast as a bare Qt Core program; without one it becomes the window program.

#include <QCoreApplication>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "app/fake_radio.h"
#include "app/helper_programs.h"
#include "app/program_start.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "i18n/language.h"
#include "i18n/translators.h"

int main(int argc, char* argv[]) {
  using namespace m27;
  const auto line = parse_command_line(arguments(argc, argv));
  // Nothing is opened or started before the window program takes over: it does that itself.
  if (line && !line->help && !line->version && line->subcommand.isEmpty()) {
    complain("cannot open the window: " + exec_program(window_program(), argv));
    return kExitFailure;
  }
  // The help and the usage errors speak the language of the run already; the window's saved
  // choice is the window's alone.
  QCoreApplication app(argc, argv);
  use_language(app, line ? run_language(*line) : language_of(locale_variables()),
               Face::CommandLine);
  if (const auto status = answer_without_running(line)) return *status;
  auto command = parse_cli_command(line->subcommand, line->subcommand_args, line->fake_radio);
  if (!command) {
    const QString what =
        line->subcommand + QStringLiteral(": ") + QString::fromStdString(command.reason());
    std::cerr << usage_error(what, line->subcommand).toStdString();
    return kExitUsage;
  }
  // `m27 ports` numbers the ports by Qt Serial Port's listing, as the window's port menu does;
  // any other command numbers them, when it needs a comN, by the quicker scan (which gives the
  // same numbers; `check` still asks Qt what it knows of the devices it describes).
  const bool lists_ports = std::holds_alternative<PortsArgs>(*command);
  // A series job on the bundled radio watches it swap itself for a fresh one after each radio;
  // the swaps it tells of are not the job's output.
  const bool series = std::holds_alternative<SeriesArgs>(*command);
  auto started = start_options(*line, lists_ports ? PortScan::Full : PortScan::Quick,
                               series ? kSwappingRadio : std::vector<std::string>{});
  if (!started) {
    complain(started.reason());
    return kExitFailure;
  }
  if (started->radio) forward_output(*started->radio, &app, !series);
  return run_cli_command(*command, started->ports);
}
