// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A series job: one template, a pool of IDs and one station per port, all driven from one event
// loop. The driver gives each station's reports to the job with the station's index, carries
// out what `poll` asks of which station, and calls `on_timer` at `next_deadline`:
//
//   job.start(now);
//   until job.over():
//     while (auto a = job.poll()) carry out a->action on station a->station:
//       Probe, WriteTemplate, ReadBack, WriteRadioId, ReadRadioId
//           a sequence on that station's link; its end comes back as
//           job.step_ended(station, now, outcome)
//       AppendLog       JobLog::append, then job.log_appended(station, now, failure)
//       StopSequence    stop that link's sequence after the exchange in flight
//       ShowState, StationStopped
//                       for the user
//   on SIGINT and the like: job.stop(now).
//
// The job ends when every station has stopped: after a stop, when the pool has no ID left or
// `count` radios are done, when the log cannot be written, or when every port is lost.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "channels/result.h"
#include "channels/words.h"
#include "series/station.h"

namespace m27 {

struct SeriesSettings {
  Sheet template_sheet;         // as the pre-write check passed it
  std::string template_sha256;  // the SHA-256 of the template's file, in hexadecimal
  std::uint32_t first_id = 0;
  std::uint32_t last_id = 0;
  bool keep_id = false;                 // a radio keeps its own ID where it may
  std::optional<int> count = {};        // end after this many radios ok
  std::vector<std::string> ports = {};  // one station each
};

struct JobAction {
  std::size_t station = 0;
  StationAction action;
};

class SeriesJob {
 public:
  // Refused when the log leaves no ID of the range free ("ID 100..199 已全部用过，请换一个范围"),
  // or the range is none (id_range_refusal).
  static Result<SeriesJob, Words> create(SeriesSettings settings, const LogHistory& history);

  void start(TimePoint now);
  void on_timer(TimePoint now);
  void step_ended(std::size_t station, TimePoint now, const StepOutcome& outcome);
  void log_appended(std::size_t station, TimePoint now, const std::optional<Words>& failure);
  void port_lost(std::size_t station, TimePoint now, Words message);
  // Before `start`: the station's port could not be opened, for `reason`.
  void port_not_opened(std::size_t station, Words reason);
  // Every station stops after the exchange in flight; a radio on its way is logged interrupted.
  void stop(TimePoint now);

  std::optional<TimePoint> next_deadline() const;
  std::optional<JobAction> poll();

  const std::vector<Station>& stations() const { return stations_; }
  bool over() const;
  const SeriesTotals& totals() const { return rules_.totals(); }
  // Why the job could not go on: the log failed, every port was lost, or none could be opened.
  std::optional<Words> failure() const;

 private:
  SeriesJob(JobRules rules, const std::vector<std::string>& ports);
  // Every station follows what the last event did to the job.
  void follow(TimePoint now);

  JobRules rules_;
  std::vector<Station> stations_;
  std::deque<JobAction> out_;
};

// "完成 12 台，失败 1 台": the radios counted so far; "，中断 2 台" follows when a stop cut some
// short.
Words counts_text(const SeriesTotals& totals);
// "完成 12 台，失败 1 台，用时 61.3 s，平均每台 4.7 s": the average over the radios handled.
Words summary_text(const SeriesTotals& totals, std::chrono::milliseconds elapsed);

}  // namespace m27
