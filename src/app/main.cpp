// SPDX-License-Identifier: GPL-3.0-or-later
// m27: without a command the window, with one the command line.

#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

#include "app/command_line.h"
#include "app/fake_radio.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/help.h"
#include "link/qt/port_map.h"
#include "link/qt/port_trace.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/qt_chinese.h"

namespace m27 {
namespace {

QStringList arguments(int argc, char* argv[]) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  return args;
}

void complain(const std::string& text) { std::cerr << "m27: " << text << std::endl; }

// The system's ports, the --port choices over them, and the fake radio on port 1.
Result<PortMap> port_map(const CommandLine& line, std::unique_ptr<FakeRadio>& radio) {
  PortMap ports = PortMap::from_system();
  for (const PortAssignment& assignment : line.ports) ports.set(assignment);
  if (line.fake_radio) {
    auto started = FakeRadio::start(fake_radio_program(), kFakeRadioStartTimeout);
    if (!started) return Failure{"--fake-radio: " + started.reason()};
    radio = std::move(started).value();
    ports.set({1, QString::fromStdString(radio->device())});
  }
  return ports;
}

// Passes the fake radio's further output on to ours, so that it never stalls on a full pipe.
void forward_output(const FakeRadio& radio, QObject* owner) {
  auto* notifier = new QSocketNotifier(radio.output_fd(), QSocketNotifier::Read, owner);
  QObject::connect(notifier, &QSocketNotifier::activated, owner,
                   [notifier, fd = radio.output_fd()] {
                     char chunk[4096];
                     const ssize_t count = read(fd, chunk, sizeof chunk);
                     if (count > 0) {
                       std::fwrite(chunk, 1, static_cast<std::size_t>(count), stdout);
                       std::fflush(stdout);
                     } else if (count == 0 || errno != EAGAIN) {
                       notifier->setEnabled(false);
                       complain("the fake radio has ended");
                     }
                   });
}

// A command runs on the command line, in an event loop without a window or a display.
int run_subcommand(int argc, char* argv[], const CliCommand& command, const PortMap& ports,
                   const FakeRadio* radio) {
  QCoreApplication app(argc, argv);
  if (radio) forward_output(*radio, &app);
  return run_cli_command(command, ports);
}

int run_window(int argc, char* argv[], PortMap ports, const QString& file, const FakeRadio* radio) {
  QApplication app(argc, argv);
  if (radio) forward_output(*radio, &app);
  if (!install_qt_chinese(app)) complain("Qt's Chinese translations (qtbase_zh_CN.qm) are missing");
  QueuedMessageBoxes boxes;
  MainWindow window(std::move(ports), boxes);
  boxes.set_owner(&window);
  // Ends the program even when a window refused to close or a box was still up.
  QObject::connect(&window, &MainWindow::exited, &app, [] { QCoreApplication::exit(0); });
  window.show();
  window.show_splash();
  if (!file.isEmpty()) window.open_file(file);
  return app.exec();
}

}  // namespace
}  // namespace m27

int main(int argc, char* argv[]) {
  using namespace m27;
  const auto line = parse_command_line(arguments(argc, argv));
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
  std::optional<CliCommand> command;
  if (!line->subcommand.isEmpty()) {
    auto parsed = parse_cli_command(line->subcommand, line->subcommand_args, line->fake_radio);
    if (!parsed) {
      const QString what =
          line->subcommand + QStringLiteral(": ") + QString::fromStdString(parsed.reason());
      std::cerr << usage_error(what).toStdString();
      return kExitUsage;
    }
    command = std::move(parsed).value();
  }
  if (!line->trace.isEmpty()) {
    if (const auto reason = port_trace().start(line->trace)) {
      complain("--trace " + line->trace.toStdString() + ": " + reason->toStdString());
      return kExitFailure;
    }
  }
  std::unique_ptr<FakeRadio> radio;
  auto ports = port_map(*line, radio);
  if (!ports) {
    complain(ports.reason());
    return kExitFailure;
  }
  if (command) return run_subcommand(argc, argv, *command, *ports, radio.get());
  return run_window(argc, argv, std::move(ports).value(), line->file, radio.get());
}
