// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/serial_devices.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <fstream>

namespace m27 {
namespace {

namespace fs = std::filesystem;

// The serial core tells the type of the UART behind a port; 0 is none it knows.
bool has_uart(const fs::path& tty) {
  std::ifstream type(tty / "type");
  int kind = 0;
  return static_cast<bool>(type >> kind) && kind != 0;
}

QStringList listed_by_qt() {
  QStringList devices;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    devices << info.systemLocation();
  }
  return devices;
}

}  // namespace

bool is_serial_tty(const fs::path& tty) {
  std::error_code error;
  if (!fs::exists(tty / "device", error)) {
    return fs::canonical(tty, error).filename().string().starts_with("rfcomm");
  }
  const auto driver = fs::read_symlink(tty / "device" / "driver", error).filename();
  return driver != "serial8250" || has_uart(tty);
}

QString tty_driver(const QString& device, const fs::path& tty_class) {
  std::error_code error;
  const fs::path path = device.toStdString();
  const fs::path real = fs::canonical(path, error);
  std::string name = (error ? path : real).lexically_relative("/dev").string();
  std::replace(name.begin(), name.end(), '/', '!');
  const auto driver = fs::read_symlink(tty_class / name / "device" / "driver", error);
  return error ? QString() : QString::fromStdString(driver.filename().string());
}

QStringList scan_tty_class(const std::string& tty_class, const std::string& dev_folder) {
  QStringList devices;
  std::error_code error;
  for (const fs::directory_entry& tty : fs::directory_iterator(tty_class, error)) {
    std::string name = tty.path().filename().string();
    std::replace(name.begin(), name.end(), '!', '/');  // sysfs writes a '/' of a name as '!'
    if (is_serial_tty(tty.path())) {
      devices << QString::fromStdString((fs::path(dev_folder) / name).string());
    }
  }
  return devices;
}

QStringList serial_devices(PortScan scan) {
  return scan == PortScan::Full ? listed_by_qt() : scan_tty_class("/sys/class/tty", "/dev");
}

}  // namespace m27
