// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What m27 and the window program both do with their arguments before they run: answer the ones
// that need no run, start the serial trace and the fake radio, and map the ports.

#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

#include "app/command_line.h"
#include "app/fake_radio.h"
#include "channels/result.h"
#include "link/qt/port_map.h"

namespace m27 {

// The language of this run: --language, else the window's saved choice, else the locale
// variables' (`language_of`).
Language run_language(const CommandLine& line, std::optional<Language> saved = std::nullopt);

// The arguments after the program's name.
QStringList arguments(int argc, char* argv[]);

// "m27: TEXT" on standard error.
void complain(const std::string& text);

// A command line that asks for no run is answered here: a usage error (exit status 2), --version
// or --help (0), each printed. nullopt for one that runs.
std::optional<int> answer_without_running(const Result<CommandLine>& line);

struct Started {
  std::unique_ptr<FakeRadio> radio;  // with --fake-radio
  PortMap ports;  // the system's ports as `scan` finds them, then --port comN=DEV
};

// Starts the trace (--trace) and the fake radio (--fake-radio, on port 1, with `radio_options`)
// and maps the ports; what failed otherwise.
Result<Started> start_options(const CommandLine& line, PortScan scan,
                              std::vector<std::string> radio_options = {});

// Passes the fake radio's further output on to ours (or, `pass_on` false, drops it), so that it
// never stalls on a full pipe.
void forward_output(const FakeRadio& radio, QObject* owner, bool pass_on = true);

}  // namespace m27
