// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/serial_devices.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QSerialPortInfo>
#include <algorithm>
#include <filesystem>

namespace m27 {
namespace {

namespace fs = std::filesystem;

// Opening the port is the only way to ask; nothing is sent.
bool has_uart(const std::string& device) {
  const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  serial_struct serial{};
  const bool known = ioctl(fd, TIOCGSERIAL, &serial) == 0 && serial.type != PORT_UNKNOWN;
  close(fd);
  return known;
}

QStringList listed_by_qt() {
  QStringList devices;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    devices << info.systemLocation();
  }
  return devices;
}

}  // namespace

QStringList scan_tty_class(const std::string& tty_class, const std::string& dev_folder) {
  QStringList devices;
  std::error_code error;
  for (const fs::directory_entry& tty : fs::directory_iterator(tty_class, error)) {
    std::string name = tty.path().filename().string();
    std::replace(name.begin(), name.end(), '!', '/');  // sysfs writes a '/' of a name as '!'
    const std::string device = (fs::path(dev_folder) / name).string();
    if (!fs::exists(tty.path() / "device", error)) {
      if (name.starts_with("rfcomm")) devices << QString::fromStdString(device);
      continue;
    }
    const auto driver = fs::read_symlink(tty.path() / "device" / "driver", error).filename();
    if (driver == "serial8250" && !has_uart(device)) continue;
    devices << QString::fromStdString(device);
  }
  return devices;
}

QStringList serial_devices(PortScan scan) {
  return scan == PortScan::Full ? listed_by_qt() : scan_tty_class("/sys/class/tty", "/dev");
}

}  // namespace m27
