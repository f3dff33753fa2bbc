// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which device a port number of the port menu (com1 .. com16) opens.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace m27 {

inline constexpr int kFirstPort = 1;
inline constexpr int kLastPort = 16;

struct PortAssignment {
  int port_no = 0;
  QString device;
  friend bool operator==(const PortAssignment&, const PortAssignment&) = default;
};

class PortMap {
 public:
  // Maps nothing: every port "does not exist".
  PortMap() = default;

  // Ports 1, 2, ... in the order of `devices` after sorting: USB adapters (ttyUSB*, ttyACM*)
  // first, then the rest, each group in natural order (ttyS2 before ttyS10). Devices beyond the
  // sixteenth stay unmapped.
  static PortMap from_devices(QStringList devices);

  // `from_devices` with the serial ports the system reports.
  static PortMap from_system();

  // Points one port at a device, whatever the default was; a number outside 1..16 is ignored.
  void set(const PortAssignment& assignment);

  // The device of a port; empty when the number maps to nothing.
  QString device(int port_no) const;

 private:
  std::array<QString, kLastPort> devices_;
};

// "com3=/dev/ttyUSB0" (the "com" in any case) as port 3 and its device; nullopt for a number
// outside 1..16, a missing device or any other form.
std::optional<PortAssignment> parse_port_assignment(const QString& text);

}  // namespace m27
