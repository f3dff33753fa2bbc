// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/serial_port.h"

#include <QFileInfo>

#include "link/qt/port_trace.h"

namespace m27 {
namespace {

OpenOutcome outcome_of(QSerialPort::SerialPortError error) {
  switch (error) {
    case QSerialPort::DeviceNotFoundError:
      return OpenOutcome::DoesNotExist;
    case QSerialPort::PermissionError:
      return OpenOutcome::InUseOrNoPermission;
    default:
      return OpenOutcome::Failed;
  }
}

}  // namespace

SerialPort::SerialPort(PortMap ports) : ports_(std::move(ports)) {}

OpenOutcome SerialPort::open_port(int port_no) {
  if (port_.isOpen()) port_.close();
  const QString device = ports_.device(port_no);
  // A missing device is told by its path alone, without the lock file Qt writes and syncs first.
  if (device.isEmpty() || (device.startsWith(QLatin1Char('/')) && !QFileInfo::exists(device))) {
    return OpenOutcome::DoesNotExist;
  }
  port_.setPortName(device);
  port_.setBaudRate(QSerialPort::Baud9600);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  if (!port_.open(QIODevice::ReadWrite)) return outcome_of(port_.error());
  port_.clear(QSerialPort::AllDirections);
  port_trace().port_opened();
  return OpenOutcome::Opened;
}

bool SerialPort::is_open() const { return port_.isOpen(); }

void SerialPort::close_for_exit() {
  if (port_.isOpen()) port_.close();
}

}  // namespace m27
