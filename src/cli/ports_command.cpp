// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ports_command.h"

#include <unistd.h>

#include <QFile>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QStringList>
#include <iostream>

#include "cli/exit_status.h"

namespace m27 {
namespace {

QString hex4(quint16 value) { return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')); }

// Opening the port is the only way to learn whether another program holds it; it is closed at
// once and nothing is sent.
PortState state_of(const QString& device) {
  QSerialPort probe(device);
  if (probe.open(QIODevice::ReadWrite)) return PortState::Free;
  if (probe.error() == QSerialPort::DeviceNotFoundError) return PortState::Missing;
  if (probe.error() != QSerialPort::PermissionError) return PortState::Free;
  const bool allowed = access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
  return allowed ? PortState::Busy : PortState::NoPermission;
}

PortDescription describe(int port_no, const QString& device) {
  PortDescription port{port_no, device, {}, {}, {}, {}, {}, state_of(device)};
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    if (info.systemLocation() != device) continue;
    port.description = info.description();
    port.manufacturer = info.manufacturer();
    if (info.hasVendorIdentifier()) port.vendor = info.vendorIdentifier();
    if (info.hasProductIdentifier()) port.product = info.productIdentifier();
    port.serial_number = info.serialNumber();
  }
  return port;
}

}  // namespace

QString port_line(const PortDescription& port) {
  QStringList known;
  if (!port.description.isEmpty()) known << port.description;
  if (!port.manufacturer.isEmpty()) known << port.manufacturer;
  if (port.vendor && port.product) {
    known << QStringLiteral("USB %1:%2").arg(hex4(*port.vendor), hex4(*port.product));
  }
  if (!port.serial_number.isEmpty()) known << QStringLiteral("serial ") + port.serial_number;
  if (port.state == PortState::Busy) known << QStringLiteral("busy");
  if (port.state == PortState::NoPermission) known << QStringLiteral("no permission");
  if (port.state == PortState::Missing) known << QStringLiteral("does not exist");
  QString line = QStringLiteral("com%1  %2").arg(port.port_no).arg(port.device);
  if (!known.isEmpty()) line += QStringLiteral("  ") + known.join(QStringLiteral(", "));
  return line;
}

int run(const PortsArgs&, const PortMap& ports) {
  bool any = false;
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    const QString device = ports.device(n);
    if (device.isEmpty()) continue;
    any = true;
    std::cout << port_line(describe(n, device)).toStdString() << '\n';
  }
  if (!any)
    std::cerr << "m27: no serial ports found (--port comN=DEVICE before the command sets one)\n";
  std::cout << std::flush;
  return kExitSuccess;
}

}  // namespace m27
