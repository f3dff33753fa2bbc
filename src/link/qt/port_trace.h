// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's serial trace, for a bug report: while a trace file is chosen, every chunk of
// bytes the link driver writes to or reads from the port is appended to it as one line
// (trace_line.h), timed from the moment the port was last opened.

#include <QFile>
#include <QString>
#include <memory>
#include <optional>
#include <span>

#include "link/trace_line.h"

namespace m27 {

class PortTrace {
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

 private:
  std::unique_ptr<QFile> file_;
  TimePoint opened_ = Clock::now();
};

// The one trace of the program, which the link driver and the serial port report to.
PortTrace& port_trace();

}  // namespace m27
