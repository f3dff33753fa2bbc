// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/link_driver.h"

#include <poll.h>

#include <QScopedValueRollback>
#include <algorithm>
#include <chrono>

#include "link/qt/port_trace.h"

namespace m27 {
namespace {

TimePoint now() { return Clock::now(); }

bool hung_up(const QSerialPort& port) {
  pollfd state{static_cast<int>(port.handle()), POLLIN, 0};
  return poll(&state, 1, 0) < 0 || (state.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

std::span<const std::uint8_t> as_bytes(const QByteArray& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
          static_cast<std::size_t>(bytes.size())};
}

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
  if (discarding_) return;  // discard_input takes these itself
  const QByteArray bytes = port_.readAll();
  port_trace().record(TraceDirection::Received, as_bytes(bytes));
  link_.on_bytes(now(), as_bytes(bytes));
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

// Errors that mean the device is gone or unusable; a time-out or a refused setting is no loss,
// nor is a read that found nothing on a port that has not hung up: Qt Serial Port reports one
// when input the system had announced was discarded in the same turn of the event loop.
void LinkDriver::on_error(QSerialPort::SerialPortError error) {
  switch (error) {
    case QSerialPort::ReadError:
      if (port_.isOpen() && !hung_up(port_)) {
        port_.clearError();
        return;
      }
      [[fallthrough]];
    case QSerialPort::ResourceError:
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

// The settle window's input: what Qt Serial Port has read and what the system holds for it still
// (the echo may wait there when the program was slow), handed back to the link as dropped.
void LinkDriver::discard_input() {
  {
    const QScopedValueRollback guard(discarding_, true);
    port_.waitForReadyRead(0);  // emits readyRead for what it fetched
  }
  const QByteArray dropped = port_.readAll();
  port_trace().record(TraceDirection::Received, as_bytes(dropped));
  link_.on_discarded(now(), as_bytes(dropped));
}

void LinkDriver::pump() {
  while (auto e = link_.poll()) {
    if (listener_) listener_->hear(*e);
    if (const auto* send = std::get_if<Send>(&*e)) {
      write(send->bytes);
    } else if (std::holds_alternative<DiscardInput>(*e)) {
      discard_input();
    } else if (!std::holds_alternative<Received>(*e)) {
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
