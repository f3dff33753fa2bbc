// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file of `m27 monitor rssi|battery --csv FILE`: the run's samples as CSV, a line written
// out as each packet arrives, so that the file holds the run however the command ends. The
// first failure is told once on the error stream, and the rest of the run is not written.

#include <QFile>
#include <ostream>

#include "link/frame.h"
#include "link/operation.h"
#include "service/monitor.h"

namespace m27 {

class SampleFile {
 public:
  SampleFile(const QString& name, MonitorMode stream, std::ostream& err);

  // Creates or empties the file and writes the header; false, told, when it cannot.
  bool open();
  // The start request was sent at `now`: the samples' seconds count from here.
  void start(TimePoint now) { started_ = now; }
  // Writes what a packet of the stream, arrived at `now`, shows; nothing for any other packet.
  void take(TimePoint now, const Frame& packet);
  // Whether a line could not be written.
  bool failed() const { return failed_; }

 private:
  bool write(const std::string& text);

  QFile file_;
  MonitorMode stream_;
  std::ostream& err_;
  TimePoint started_{};
  bool failed_ = false;
};

}  // namespace m27
