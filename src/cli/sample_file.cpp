// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sample_file.h"

#include "service/monitor_samples.h"

namespace m27 {

SampleFile::SampleFile(const QString& name, MonitorMode stream, std::ostream& err)
    : file_(name), stream_(stream), err_(err) {}

bool SampleFile::open() {
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    failed_ = true;
    err_ << "m27: --csv " << file_.fileName().toStdString() << ": "
         << file_.errorString().toStdString() << std::endl;
    return false;
  }
  return write(monitor_csv_header(stream_));
}

void SampleFile::take(TimePoint now, const Frame& packet) {
  if (failed_) return;
  const auto at = std::chrono::duration_cast<SampleTime>(now - started_);
  if (const auto sample = monitor_sample(stream_, at, packet)) write(monitor_csv_line(*sample));
}

bool SampleFile::write(const std::string& text) {
  const auto size = static_cast<qint64>(text.size());
  if (file_.write(text.data(), size) == size && file_.flush()) return true;
  failed_ = true;
  err_ << "m27: --csv " << file_.fileName().toStdString() << ": "
       << file_.errorString().toStdString() << std::endl;
  return false;
}

}  // namespace m27
