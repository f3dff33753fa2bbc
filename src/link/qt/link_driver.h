#pragma once
// Connects the link engine to a serial port and the event loop: bytes from readyRead, "written"
// from bytesWritten, one single-shot timer armed at the engine's next deadline. It is the only
// code that waits for the radio, and it waits in the event loop.

#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <memory>

#include "link/link.h"

namespace m27 {

class LinkDriver : public QObject {
  Q_OBJECT

 public:
  explicit LinkDriver(QSerialPort& port, QObject* parent = nullptr);

  // Starts an exchange sequence; refused (false) while another one runs.
  bool start(std::unique_ptr<Operation> operation);
  // Ends the running sequence through its cancel path (the progress window was closed).
  void cancel();
  bool busy() const { return link_.busy(); }
  // While on, every good frame from the radio is handed out as a MonitorPacket.
  void set_monitor(bool on) { link_.set_monitor(on); }
  bool monitoring() const { return link_.state().monitor_flag; }

 signals:
  // A user action of the running sequence, in order (see link/actions.h).
  void action(const m27::Action& action);

 private:
  void on_ready_read();
  void on_bytes_written();
  void on_timeout();
  void pump();

  QSerialPort& port_;
  QTimer timer_;
  Link link_;
};

}  // namespace m27
