// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Connects the link engine to a serial port and the event loop: bytes from readyRead, "written"
// from bytesWritten, one single-shot timer armed at the engine's next deadline. It is the only
// code that waits for the radio, and it waits in the event loop. A port error (the adapter
// pulled, the other end gone, a write the port refuses) closes the port and ends the running
// sequence at once with PortLost.

#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <memory>

#include "link/line_listener.h"
#include "link/link.h"

namespace m27 {

class LinkDriver : public QObject {
  Q_OBJECT

 public:
  explicit LinkDriver(QSerialPort& port, QObject* parent = nullptr);

  // Starts an exchange sequence; refused (false) while another one runs.
  bool start(std::unique_ptr<Operation> operation);
  // Ends the running sequence at once through its cancel path (the progress window was closed).
  void cancel();
  // Ends the running sequence once the exchange in flight is over (see Link::interrupt).
  void interrupt();
  bool busy() const { return link_.busy(); }
  // Whether a test-mode stream the link started may still run.
  bool stream_may_run() const { return link_.stream_may_run(); }
  // Every event of the link goes to `listener` too, what it sends and every chunk it receives,
  // the input it throws away included; nullptr: nobody listens.
  void listen(LineListener* listener) { listener_ = listener; }

 signals:
  // An event of the running sequence, in order (see link/events.h).
  void reported(const m27::Event& event);

 private:
  void on_ready_read();
  void on_bytes_written();
  void on_timeout();
  void on_error(QSerialPort::SerialPortError error);
  void write(const std::vector<std::uint8_t>& bytes);
  void port_lost();
  void discard_input();
  void pump();

  QSerialPort& port_;
  QTimer timer_;
  Link link_;
  LineListener* listener_ = nullptr;
  bool discarding_ = false;  // the settle window's input is being fetched
};

}  // namespace m27
