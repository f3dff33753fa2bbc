// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps of a connection check that need no radio, in order: the device is a serial port,
// this user may open it, no other program holds it, and it opens at 9600 8N1. Each step is one
// line for the user, passed or failed; the first that fails ends the check. Nothing here writes
// to the device, and the first three steps do not even open it.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "link/line_listener.h"
#include "link/qt/serial_port.h"

namespace m27 {

struct CheckLine {
  bool passed = false;
  QString text;
  QStringList notes;  // what a failed step adds: the remedy, the ports that do exist
  friend bool operator==(const CheckLine&, const CheckLine&) = default;
};

// "✓ text" or "✗ text".
QString marked(const CheckLine& line);

enum class DeviceKind { Missing, NotSerial, Serial };

// The program named in a port's lock file.
struct LockHolder {
  qint64 pid = 0;
  QString name;
  bool this_program = false;  // the lock is our own: the window has the port open
  friend bool operator==(const LockHolder&, const LockHolder&) = default;
};

// What the system says of a device before anything opens it.
struct DeviceFacts {
  DeviceKind kind = DeviceKind::Missing;
  QString details;       // what the system's listing tells of it (port_description.h)
  bool may_open = true;  // this user has the rights to read and write it
  std::optional<LockHolder> holder;
  QStringList port_lines;  // for a device that is no port: the ports that do exist
};

// Where Qt Serial Port opens a device: a bare name (ttyUSB0) lies in /dev.
QString system_location(const QString& device);

// A character device the kernel's tty class lists with hardware behind it (or a Bluetooth
// port), or a pseudo-terminal: found by its device number, without opening it.
DeviceKind device_kind(const QString& device);

// Whether this user has the rights to read and write the device (a serial port on Linux belongs
// to the group dialout).
bool may_open(const QString& device);

// The folders where Qt Serial Port and the other serial programs keep their lock files.
const QStringList& lock_folders();

// The living program whose PID stands first in the port's lock file ("LCK..ttyUSB0", "LCK..pts_3"
// for /dev/pts/3) in one of `folders`; a lock whose process is gone is stale and names nobody.
std::optional<LockHolder> lock_holder(const QString& device,
                                      const QStringList& folders = lock_folders());

// The facts of `device` (empty: a port number that maps to nothing), with the ports of `ports`
// that exist for a device that is none.
DeviceFacts look_at(const QString& device, const PortMap& ports);

// The first three steps on `facts` of the device named `device` (or comN): their lines up to the
// first that fails.
std::vector<CheckLine> device_steps(const QString& device, const DeviceFacts& facts);

// The fourth step: `port` opens port `port_no` of its map, the device `device`.
CheckLine open_step(SerialPort& port, int port_no, const QString& device);

// The line of a port the window already has open at 9600 8N1.
CheckLine already_open_step();

// The last step: what was heard of the radio, in the words of the command line and the dialog.
CheckLine answer_step(const Heard& heard);

}  // namespace m27
