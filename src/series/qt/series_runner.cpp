// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/qt/series_runner.h"

#include <QFileInfo>
#include <algorithm>

#include "i18n/translated.h"
#include "i18n/translators.h"

namespace m27 {
namespace {

TimePoint now() { return Clock::now(); }

Words cannot_open(OpenOutcome outcome, const QSerialPort& port) {
  switch (outcome) {
    case OpenOutcome::DoesNotExist:
      return M27_WORDS("series", "无法打开串口：不存在");
    case OpenOutcome::InUseOrNoPermission:
      return M27_WORDS("series", "无法打开串口：正被占用或无权限");
    default:
      return M27_WORDS("series", "无法打开串口：%1").arg(port.errorString().toStdString());
  }
}

QString canonical(const QString& device) {
  const QString resolved = QFileInfo(device).canonicalFilePath();
  return resolved.isEmpty() ? device : resolved;
}

}  // namespace

std::optional<std::pair<std::size_t, std::size_t>> same_device(
    const std::vector<StationPort>& ports) {
  for (std::size_t second = 1; second < ports.size(); ++second) {
    for (std::size_t first = 0; first < second; ++first) {
      if (canonical(ports[first].device) == canonical(ports[second].device)) {
        return std::pair{first, second};
      }
    }
  }
  return std::nullopt;
}

SeriesRunner::SeriesRunner(ReadySeries series, std::vector<StationPort> ports, QObject* parent)
    : QObject(parent),
      series_(std::move(series)),
      log_warnings_(series_.log.reading().warnings),
      writer_(std::make_unique<LogWriter>(
          std::move(series_.log),
          [this] {
            QMetaObject::invokeMethod(this, &SeriesRunner::lines_appended, Qt::QueuedConnection);
          })),
      stations_(ports.size()) {
  for (std::size_t i = 0; i < ports.size(); ++i) stations_[i].port = std::move(ports[i]);
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    series_.job.on_timer(now());
    pump();
  });
}

// The writer's thread ends before anything it could wake is gone.
SeriesRunner::~SeriesRunner() { writer_.reset(); }

void SeriesRunner::start() {
  voice_ = std::make_shared<const JobVoice>(language_in_use());
  started_ = now();
  wall_started_ = std::chrono::system_clock::now();
  for (std::size_t i = 0; i < stations_.size(); ++i) {
    Station& station = stations_[i];
    if (const auto failure = open(station)) {
      series_.job.port_not_opened(i, *failure);
      continue;
    }
    connect(station.driver, &LinkDriver::reported, this,
            [this, i](const Event& e) { heard(i, e); });
  }
  series_.job.start(started_);
  pump();
}

std::optional<Words> SeriesRunner::open(Station& station) {
  station.driver = station.port.lent;
  if (station.driver) return std::nullopt;
  PortMap map;
  map.set({kFirstPort, station.port.device});
  station.serial = std::make_unique<SerialPort>(std::move(map));
  station.opened = station.serial->open_port(kFirstPort);
  if (station.opened != OpenOutcome::Opened) {
    return cannot_open(station.opened, station.serial->port());
  }
  station.own_driver = std::make_unique<LinkDriver>(station.serial->port());
  station.driver = station.own_driver.get();
  return std::nullopt;
}

void SeriesRunner::stop() {
  series_.job.stop(now());
  pump();
}

void SeriesRunner::end_now() {
  stop();
  for (Station& station : stations_) {
    if (station.driver) station.driver->cancel();
  }
  // The program ends next: the last lines go into the log now, not in the event loop.
  while (writer_ && writer_->wait_until_idle()) lines_appended();
}

void SeriesRunner::fill_in(SeriesReport& report) const {
  report.started = wall_started_;
  report.ended = wall_ended_.value_or(std::chrono::system_clock::now());
  report.lines = written_;
  if (voice_) report.say = [voice = voice_](const Words& words) { return voice->say(words); };
}

std::chrono::milliseconds SeriesRunner::elapsed() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(ended_.value_or(now()) - started_);
}

void SeriesRunner::heard(std::size_t station, const Event& event) {
  if (const auto lost = lost_port(event)) {
    series_.job.port_lost(station, now(), *lost);
  } else if (const auto outcome = stations_[station].listener.heard(event)) {
    series_.job.step_ended(station, now(), *outcome);
  }
  pump();
}

// Events a driver reports while it starts a sequence come back through `heard` at once: the
// outer pump carries out what they lead to, in order.
void SeriesRunner::pump() {
  if (pumping_) return;
  pumping_ = true;
  while (auto action = series_.job.poll()) carry_out(*action);
  pumping_ = false;
  if (const auto deadline = series_.job.next_deadline()) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*deadline - now());
    timer_.start(std::max(wait, std::chrono::milliseconds(0)));
  } else {
    timer_.stop();
  }
  if (over() && !ended_) {
    ended_ = now();
    wall_ended_ = std::chrono::system_clock::now();
    writer_.reset();  // every line is in: the next job may have the log
    release_lent_drivers();
    emit finished();
  }
}

// The window goes on exchanging on a lent driver; none of that may reach a job that is over.
void SeriesRunner::release_lent_drivers() {
  for (const Station& station : stations_) {
    if (station.port.lent) disconnect(station.port.lent, nullptr, this, nullptr);
  }
}

void SeriesRunner::carry_out(const JobAction& action) {
  const std::size_t i = action.station;
  const int row = static_cast<int>(i);
  if (auto operation = step_operation(action.action, series_.plan)) {
    // A driver that is busy (it cannot be, but a lent one might) ends the step as a failure.
    if (!stations_[i].driver->start(std::move(operation))) {
      series_.job.step_ended(i, now(), {StepEnding::Failed});
    }
  } else if (std::holds_alternative<StopSequence>(action.action)) {
    stations_[i].driver->interrupt();
  } else if (const auto* append_log = std::get_if<AppendLog>(&action.action)) {
    LogLine line = append_log->line;
    line.detail = voice_->say(append_log->detail);
    writer_->append(i, line, std::chrono::system_clock::now());
  } else if (const auto* state = std::get_if<ShowState>(&action.action)) {
    emit shown(row, *state);
  } else if (const auto* stopped = std::get_if<StationStopped>(&action.action)) {
    emit station_stopped(row, stopped->reason ? translated(*stopped->reason) : QString());
  }
}

void SeriesRunner::lines_appended() {
  if (!writer_) return;
  for (const LogWriter::Appended& appended : writer_->take_appended()) {
    if (!appended.failure) written_.push_back({appended.time, appended.line});
    if (!appended.failure && appended.line.result != RadioResult::Reserved) {
      emit radio_finished(static_cast<int>(appended.station), appended.line);
    }
    series_.job.log_appended(appended.station, now(), appended.failure);
  }
  pump();
}

}  // namespace m27
