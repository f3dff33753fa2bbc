// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/port_description.h"

#include <QFileInfo>
#include <QList>
#include <QSerialPortInfo>
#include <QStringList>

#include "link/qt/serial_devices.h"

namespace m27 {
namespace {

struct Chip {
  quint16 vendor;
  quint16 product;
  const char* name;
};

// The chips programming cables are built on.
constexpr Chip kCableChips[] = {
    {0x0403, 0x6001, "FTDI FT232"},
    {0x067b, 0x2303, "Prolific PL2303"},
    {0x1a86, 0x7523, "WCH CH340"},
    {0x10c4, 0xea60, "Silicon Labs CP210x"},
};

QString hex4(quint16 value) { return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')); }

bool lists(const QSerialPortInfo& info, const QString& device) {
  return info.systemLocation() == device ||
         info.systemLocation() == QFileInfo(device).canonicalFilePath();
}

PortDescription described(int port_no, const QString& device,
                          const QList<QSerialPortInfo>& listing) {
  PortDescription port{port_no, device, {}, {}, {}, {}, {}, PortState::Free, tty_driver(device)};
  for (const QSerialPortInfo& info : listing) {
    if (!lists(info, device)) continue;
    port.description = info.description();
    port.manufacturer = info.manufacturer();
    if (info.hasVendorIdentifier()) port.vendor = info.vendorIdentifier();
    if (info.hasProductIdentifier()) port.product = info.productIdentifier();
    port.serial_number = info.serialNumber();
  }
  return port;
}

}  // namespace

QString cable_chip(quint16 vendor, quint16 product) {
  for (const Chip& chip : kCableChips) {
    if (chip.vendor == vendor && chip.product == product) return QString::fromLatin1(chip.name);
  }
  return {};
}

QString port_details(const PortDescription& port) {
  QStringList known;
  if (!port.description.isEmpty()) known << port.description;
  if (!port.manufacturer.isEmpty()) known << port.manufacturer;
  if (port.vendor && port.product) {
    QString usb = QStringLiteral("USB %1:%2").arg(hex4(*port.vendor), hex4(*port.product));
    const QString chip = cable_chip(*port.vendor, *port.product);
    if (!chip.isEmpty()) usb += QStringLiteral(" (%1)").arg(chip);
    known << usb;
  }
  if (!port.serial_number.isEmpty()) known << QStringLiteral("serial ") + port.serial_number;
  return known.join(QStringLiteral(", "));
}

QString device_with_details(const PortDescription& port) {
  const QString details = port_details(port);
  return details.isEmpty() ? port.device : port.device + QStringLiteral(" — ") + details;
}

QString port_line(const PortDescription& port) {
  QStringList known;
  if (const QString details = port_details(port); !details.isEmpty()) known << details;
  if (port.state == PortState::Busy) known << QStringLiteral("busy");
  if (port.state == PortState::NoPermission) known << QStringLiteral("no permission");
  if (port.state == PortState::Missing) known << QStringLiteral("does not exist");
  QString line = QStringLiteral("com%1  %2").arg(port.port_no).arg(port.device);
  if (!known.isEmpty()) line += QStringLiteral("  ") + known.join(QStringLiteral(", "));
  return line;
}

std::vector<PortDescription> describe_ports(const PortMap& ports) {
  const QList<QSerialPortInfo> listing = QSerialPortInfo::availablePorts();
  std::vector<PortDescription> described_ports;
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    const QString device = ports.device(n);
    if (!device.isEmpty()) described_ports.push_back(described(n, device, listing));
  }
  return described_ports;
}

PortDescription describe_device(int port_no, const QString& device) {
  return described(port_no, device, QSerialPortInfo::availablePorts());
}

}  // namespace m27
