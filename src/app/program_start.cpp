// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_start.h"

#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <iostream>

#include "cli/exit_status.h"
#include "cli/help.h"
#include "link/qt/port_trace.h"

namespace m27 {

QStringList arguments(int argc, char* argv[]) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  return args;
}

Language run_language(const CommandLine& line, std::optional<Language> saved) {
  if (line.language) return *line.language;
  if (saved) return *saved;
  return language_of(locale_variables());
}

void complain(const std::string& text) { std::cerr << "m27: " << text << std::endl; }

std::optional<int> answer_without_running(const Result<CommandLine>& line) {
  if (!line) {
    std::cerr << usage_error(QString::fromStdString(line.reason())).toStdString();
    return kExitUsage;
  }
  if (line->version) {
    std::cout << version_text().toStdString() << '\n';
    return kExitSuccess;
  }
  if (line->help) {
    const bool window = line->subcommand.isEmpty();
    std::cout << (window ? usage() : command_help(line->subcommand)).toStdString();
    return kExitSuccess;
  }
  return std::nullopt;
}

Result<Started> start_options(const CommandLine& line, PortScan scan,
                              std::vector<std::string> radio_options) {
  if (!line.trace.isEmpty()) {
    if (const auto reason = port_trace().start(line.trace)) {
      return Failure{"--trace " + line.trace.toStdString() + ": " + reason->toStdString()};
    }
  }
  Started started{nullptr, PortMap::from_system(scan)};
  for (const PortAssignment& assignment : line.ports) started.ports.set(assignment);
  if (line.fake_radio) {
    auto radio =
        FakeRadio::start(fake_radio_program(), kFakeRadioStartTimeout, std::move(radio_options));
    if (!radio) return Failure{"--fake-radio: " + radio.reason()};
    started.radio = std::move(radio).value();
    started.ports.set({kFirstPort, QString::fromStdString(started.radio->device())});
  }
  return started;
}

void forward_output(const FakeRadio& radio, QObject* owner, bool pass_on) {
  auto* notifier = new QSocketNotifier(radio.output_fd(), QSocketNotifier::Read, owner);
  QObject::connect(notifier, &QSocketNotifier::activated, owner,
                   [notifier, fd = radio.output_fd(), pass_on] {
                     char chunk[4096];
                     const ssize_t count = read(fd, chunk, sizeof chunk);
                     if (count > 0 && pass_on) {
                       std::fwrite(chunk, 1, static_cast<std::size_t>(count), stdout);
                       std::fflush(stdout);
                     } else if (count == 0 || (count < 0 && errno != EAGAIN)) {
                       notifier->setEnabled(false);
                       complain("the fake radio has ended");
                     }
                   });
}

}  // namespace m27
