// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/check_command.h"

#include <iostream>

#include "cli/exit_status.h"
#include "link/qt/port_check.h"

namespace m27 {
namespace {

void print(const CheckLine& line) {
  std::cout << (line.passed ? "✓ " : "✗ ") << line.text.toStdString() << '\n';
  for (const QString& note : line.notes) std::cout << "  " << note.toStdString() << '\n';
}

}  // namespace

int run(const CheckArgs& args, const PortMap& ports) {
  const PortChoice choice = args.port.value_or(PortChoice{{}, kFirstPort});
  PortMap map = ports;
  if (!choice.device.isEmpty()) map.set({kFirstPort, choice.device});
  const int port_no = choice.device.isEmpty() ? choice.port_no : kFirstPort;
  const QString device = map.device(port_no);
  const QString name = device.isEmpty() ? QStringLiteral("com%1").arg(port_no) : device;
  for (const CheckLine& line : device_steps(name, look_at(device, ports))) {
    print(line);
    if (!line.passed) return kExitFailure;
  }
  SerialPort port(map);
  const CheckLine opened = open_step(port, port_no, name);
  print(opened);
  std::cout << std::flush;
  return opened.passed ? kExitSuccess : kExitFailure;
}

}  // namespace m27
