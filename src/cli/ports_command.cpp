// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ports_command.h"

#include <QSerialPort>
#include <iostream>

#include "cli/cli_words.h"
#include "cli/exit_status.h"
#include "link/qt/port_check.h"
#include "link/qt/port_description.h"

namespace m27 {
namespace {

// Opening the port is the only way to learn whether another program holds it; it is closed at
// once and nothing is sent.
PortState state_of(const QString& device) {
  QSerialPort probe(device);
  if (probe.open(QIODevice::ReadWrite)) return PortState::Free;
  if (probe.error() == QSerialPort::DeviceNotFoundError) return PortState::Missing;
  if (probe.error() != QSerialPort::PermissionError) return PortState::Free;
  return may_open(device) ? PortState::Busy : PortState::NoPermission;
}

}  // namespace

int run(const PortsArgs&, const PortMap& ports) {
  const auto described = describe_ports(ports);
  for (PortDescription port : described) {
    port.state = state_of(port.device);
    std::cout << port_line(port).toStdString() << '\n';
  }
  if (described.empty())
    std::cerr << "m27: "
              << cli_words(QT_TRANSLATE_NOOP(
                               "cli",
                               "no serial ports found (--port comN=DEVICE before the command "
                               "sets one)"))
                     .toStdString()
              << '\n';
  std::cout << std::flush;
  return kExitSuccess;
}

}  // namespace m27
