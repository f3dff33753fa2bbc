// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which device a port number of the port menu (com1 .. com16) opens.

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace m27 {

inline constexpr int kFirstPort = 1;
inline constexpr int kLastPort = 16;

struct PortAssignment {
  int port_no = 0;
  QString device;
  friend bool operator==(const PortAssignment&, const PortAssignment&) = default;
};

// How the system's serial ports are found; both find the same ports.
enum class PortScan {
  Full,   // Qt Serial Port's listing, which learns all there is of every port on the way (the
          // window's port menu, `m27 ports`)
  Quick,  // one look at each entry of /sys/class/tty (a command resolving its comN)
};

class PortMap {
 public:
  // Maps nothing: every port "does not exist".
  PortMap() = default;

  // Ports 1, 2, ... in the order of `devices` after sorting: USB adapters (ttyUSB*, ttyACM*)
  // first, then the rest, each group in natural order (ttyS2 before ttyS10). Devices beyond the
  // sixteenth stay unmapped.
  static PortMap from_devices(QStringList devices);

  // `from_devices` with the devices `list` gives, asked for only when a port that no assignment
  // names is first asked for, and once for the map and all its copies.
  static PortMap listed_by(std::function<QStringList()> list);

  // `listed_by` the serial ports `scan` finds.
  static PortMap from_system(PortScan scan);

  // Points one port at a device, whatever the default was; a number outside 1..16 is ignored.
  void set(const PortAssignment& assignment);

  // The device of a port; empty when the number maps to nothing.
  QString device(int port_no) const;

  // Whether `set` pointed the port at its device.
  bool assigned(int port_no) const;

 private:
  class Listing;

  std::array<std::optional<QString>, kLastPort> assigned_;
  std::shared_ptr<Listing> listing_;  // null: no system ports
};

// "com3=/dev/ttyUSB0" (the "com" in any case) as port 3 and its device; nullopt for a number
// outside 1..16, a missing device or any other form.
std::optional<PortAssignment> parse_port_assignment(const QString& text);

}  // namespace m27
