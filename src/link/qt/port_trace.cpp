// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/port_trace.h"

#include <QFileInfo>

namespace m27 {

std::optional<QString> PortTrace::start(const QString& file) {
  auto next = std::make_unique<QFile>(file);
  // Unbuffered: every line is in the file as soon as its bytes have crossed the port, however
  // the program ends. A device or a pipe (/dev/stderr) has no end to append at.
  const QFileInfo info(file);
  const auto at_end = info.exists() && !info.isFile() ? QIODevice::NotOpen : QIODevice::Append;
  if (!next->open(QIODevice::WriteOnly | at_end | QIODevice::Unbuffered)) {
    return next->errorString();
  }
  file_ = std::move(next);
  return std::nullopt;
}

void PortTrace::stop() { file_.reset(); }

void PortTrace::record(TraceDirection direction, std::span<const std::uint8_t> bytes) {
  if (!file_ || bytes.empty()) return;
  std::string line = trace_line(Clock::now() - opened_, direction, bytes);
  line += '\n';
  if (file_->write(line.data(), static_cast<qint64>(line.size())) ==
      static_cast<qint64>(line.size())) {
    return;
  }
  const QString file = file_->fileName();
  const QString reason = file_->errorString();
  stop();
  emit failed(file, reason);
}

PortTrace& port_trace() {
  static PortTrace trace;
  return trace;
}

}  // namespace m27
