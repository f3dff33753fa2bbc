// m27: without a command the window, with one the command line.

#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <memory>

#include "app/command_line.h"
#include "app/fake_radio.h"
#include "link/qt/port_map.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

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

// The commands of the command line come here.
int run_subcommand(const CommandLine& line, PortMap) {
  complain("the command " + line.subcommand.toStdString() + " is not available yet");
  return 2;
}

int run_window(int argc, char* argv[], PortMap ports, const FakeRadio* radio) {
  QApplication app(argc, argv);
  if (radio) forward_output(*radio, &app);
  QueuedMessageBoxes boxes;
  MainWindow window(std::move(ports), boxes);
  boxes.set_owner(&window);
  window.show();
  window.show_splash();
  return app.exec();
}

}  // namespace
}  // namespace m27

int main(int argc, char* argv[]) {
  using namespace m27;
  const auto line = parse_command_line(arguments(argc, argv));
  if (!line) {
    complain(line.reason());
    std::cerr << '\n' << usage().toStdString();
    return 2;
  }
  if (line->help) {
    std::cout << usage().toStdString();
    return 0;
  }
  std::unique_ptr<FakeRadio> radio;
  auto ports = port_map(*line, radio);
  if (!ports) {
    complain(ports.reason());
    return 1;
  }
  if (!line->subcommand.isEmpty()) return run_subcommand(*line, std::move(ports).value());
  return run_window(argc, argv, std::move(ports).value(), radio.get());
}
