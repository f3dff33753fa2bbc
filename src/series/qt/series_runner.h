// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A series job on serial ports, in the event loop: a link driver per station (on a port the job
// opens, or one lent to it on a port that is open already), one timer for the whole job, and the
// log appended line by line on its writer's thread. No busy loop; the log is let go as soon as the
// job is over.

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "link/qt/link_driver.h"
#include "link/qt/serial_port.h"
#include "series/log_writer.h"
#include "series/qt/job_voice.h"
#include "series/series_order.h"
#include "series/series_report.h"
#include "series/station_link.h"

namespace m27 {

struct StationPort {
  QString name;    // as the user knows it: "com1", "/dev/ttyUSB0"
  QString device;  // what the station opens
  // Instead: the driver of a port that is open already (the window's), lent for the job's life.
  LinkDriver* lent = nullptr;
};

// The first two stations whose devices are one (after symbolic links), if any.
std::optional<std::pair<std::size_t, std::size_t>> same_device(
    const std::vector<StationPort>& ports);

class SeriesRunner : public QObject {
  Q_OBJECT

 public:
  // `ports`: one a station, in the order of the job's.
  SeriesRunner(ReadySeries series, std::vector<StationPort> ports, QObject* parent = nullptr);
  ~SeriesRunner() override;

  // Opens the stations' ports (one that cannot be opened stops its station, saying why) and
  // starts the job. `finished` may come before this returns; by then the log is unlocked.
  void start();
  // Every station stops after the exchange in flight; a radio on its way is logged interrupted.
  void stop();
  // The program is ending: the job stops as by `stop`, but the exchanges in flight end at once,
  // so each radio on its way is logged interrupted before the ports close; this returns once
  // those lines are in the log.
  void end_now();

  bool over() const { return series_.job.over(); }
  // How the station's port opened (Opened for a lent one, and before `start`).
  OpenOutcome open_outcome(std::size_t station) const { return stations_[station].opened; }
  const SeriesJob& job() const { return series_.job; }
  // From the start until the job was over, or until now.
  std::chrono::milliseconds elapsed() const;
  // The lines of the log it skipped when it was opened.
  const std::vector<Words>& log_warnings() const { return log_warnings_; }
  // The job's part of its report: its start and end by the wall clock (the end is now while it
  // runs), the lines it wrote into the log, which hold no other job's, and its language.
  void fill_in(SeriesReport& report) const;

 signals:
  void shown(int station, const m27::ShowState& state);
  // A radio's last line, once it is in the log (reserved lines are not told).
  void radio_finished(int station, const m27::LogLine& line);
  // The station sends nothing more; `reason` says why when it had to stop (a port that could not
  // be opened says why here), in the language in use.
  void station_stopped(int station, const QString& reason);
  void finished();

 private:
  struct Station {
    StationPort port;
    std::unique_ptr<SerialPort> serial;  // before its driver, which it outlives
    std::unique_ptr<LinkDriver> own_driver;
    LinkDriver* driver = nullptr;
    OpenOutcome opened = OpenOutcome::Opened;
    StepListener listener;
  };

  std::optional<Words> open(Station& station);
  void heard(std::size_t station, const Event& event);
  void carry_out(const JobAction& action);
  void lines_appended();
  void pump();
  void release_lent_drivers();

  ReadySeries series_;
  std::vector<Words> log_warnings_;
  std::unique_ptr<LogWriter> writer_;  // until the job is over
  std::vector<Station> stations_;
  QTimer timer_;
  TimePoint started_{};
  std::optional<TimePoint> ended_;
  std::chrono::system_clock::time_point wall_started_{};
  std::optional<std::chrono::system_clock::time_point> wall_ended_;
  std::vector<JobLine> written_;
  std::shared_ptr<const JobVoice> voice_;  // from the start: the log's and report's language
  bool pumping_ = false;
};

}  // namespace m27
