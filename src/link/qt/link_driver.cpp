// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/link_driver.h"

#include <algorithm>
#include <chrono>

#include "link/qt/port_trace.h"

namespace m27 {
namespace {

TimePoint now() { return Clock::now(); }

}  // namespace

LinkDriver::LinkDriver(QSerialPort& port, QObject* parent) : QObject(parent), port_(port) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&port_, &QSerialPort::readyRead, this, &LinkDriver::on_ready_read);
  connect(&port_, &QSerialPort::bytesWritten, this, &LinkDriver::on_bytes_written);
  connect(&port_, &QSerialPort::errorOccurred, this, &LinkDriver::on_error);
  connect(&timer_, &QTimer::timeout, this, &LinkDriver::on_timeout);
}

bool LinkDriver::start(std::unique_ptr<Operation> operation) {
  link_.set_port_open(port_.isOpen());
  const bool started = link_.start(now(), std::move(operation));
  pump();
  return started;
}

void LinkDriver::cancel() {
  link_.cancel();
  pump();
}

void LinkDriver::interrupt() {
  link_.interrupt();
  pump();
}

void LinkDriver::on_ready_read() {
  const QByteArray bytes = port_.readAll();
  const std::span received(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()));
  port_trace().record(TraceDirection::Received, received);
  link_.on_bytes(now(), received);
  pump();
}

void LinkDriver::on_bytes_written() {
  if (port_.bytesToWrite() > 0) return;
  link_.on_written(now());
  pump();
}

void LinkDriver::on_timeout() {
  link_.on_timer(now());
  pump();
}

// Errors that mean the device is gone or unusable; a time-out or a refused setting is no loss.
void LinkDriver::on_error(QSerialPort::SerialPortError error) {
  switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
      if (port_.isOpen()) port_lost();
      return;
    default:
      return;
  }
}

void LinkDriver::write(const std::vector<std::uint8_t>& bytes) {
  port_trace().record(TraceDirection::Sent, bytes);
  const auto size = static_cast<qint64>(bytes.size());
  if (port_.write(reinterpret_cast<const char*>(bytes.data()), size) != size) port_lost();
}

void LinkDriver::port_lost() {
  port_.close();
  link_.on_port_lost();
  pump();
}

void LinkDriver::pump() {
  while (auto e = link_.poll()) {
    if (const auto* send = std::get_if<Send>(&*e)) {
      write(send->bytes);
    } else if (std::holds_alternative<DiscardInput>(*e)) {
      port_.clear(QSerialPort::Input);
      port_.readAll();
    } else {
      emit reported(*e);
    }
  }
  if (const auto deadline = link_.next_deadline()) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*deadline - now());
    timer_.start(std::max(wait, std::chrono::milliseconds(0)));
  } else {
    timer_.stop();
  }
}

}  // namespace m27
