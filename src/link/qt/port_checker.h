// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole connection check of one port, on a serial port of its own: the port's steps, then the
// radio is asked with a listener on the line. Several run side by side in one event loop, each
// ending with `answered`; the port is closed again after.

#include <QObject>
#include <memory>
#include <optional>
#include <vector>

#include "link/line_listener.h"
#include "link/qt/link_driver.h"
#include "link/qt/port_check.h"
#include "link/qt/serial_port.h"

namespace m27 {

class PortChecker : public QObject {
  Q_OBJECT

 public:
  // Port `port_no` of `ports`, or `device` in its place when one is given. `ports` also lists the
  // ports that exist when the device is none.
  PortChecker(const PortMap& ports, int port_no, const QString& device = {},
              QObject* parent = nullptr);

  // Runs the port's steps at once; when they all pass, the radio is asked with `ask` while
  // `listener` hears the line, and `answered` follows. Whether the port's steps passed.
  bool start(std::unique_ptr<Operation> ask, LineListener listener);

  int port_no() const { return port_no_; }
  // The device, or "comN" when the port maps to nothing.
  QString name() const;
  // The port's steps up to the first that failed.
  const std::vector<CheckLine>& port_lines() const { return lines_; }

 signals:
  void answered(const m27::Heard& heard);

 private:
  PortMap system_ports_;
  int port_no_;
  SerialPort serial_;
  LinkDriver driver_;
  std::optional<LineListener> listener_;
  std::vector<CheckLine> lines_;
};

}  // namespace m27
