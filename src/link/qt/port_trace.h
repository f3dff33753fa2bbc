// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's serial trace, for a bug report: while a trace file is chosen, every chunk of
// bytes the link driver writes to or reads from the port is appended to it as one line
// (trace_line.h), timed from the moment the port was last opened. A line that cannot be written
// ends the trace and is told (`failed`), so that a trace never has gaps nobody knows of.

#include <QFile>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <span>

#include "link/trace_line.h"

namespace m27 {

class PortTrace : public QObject {
  Q_OBJECT

 public:
  // Starts appending to `file` (created when missing); the reason when it cannot be opened,
  // and then the trace stays as it was.
  std::optional<QString> start(const QString& file);
  void stop();
  bool active() const { return file_ != nullptr; }
  QString file_name() const { return file_ ? file_->fileName() : QString(); }

  // The port has just been opened: times count from here.
  void port_opened() { opened_ = Clock::now(); }

  void record(TraceDirection direction, std::span<const std::uint8_t> bytes);

 signals:
  // The trace has ended: a line could not be appended to `file`.
  void failed(const QString& file, const QString& reason);

 private:
  std::unique_ptr<QFile> file_;
  TimePoint opened_ = Clock::now();
};

// The one trace of the program, which the link driver and the serial port report to.
PortTrace& port_trace();

}  // namespace m27
