// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One station of a series job: a port where radios are plugged in one after another. For each
// radio it waits (a probe every kProbePeriod until one answers), recognises it by its ID, writes
// the template, reads it back and compares, reserves an ID in the log, writes the ID and reads it
// back, logs the outcome, and waits until the radio is taken off (kSilentProbesForRemoval silent
// probes in a row, or another ID answers). A failure ends that radio only.
//
// Sans-IO: it is given the time and the ending of each request it made, and answers with what
// to do next (station_io.h). The rules it shares with the job's other stations are passed in.

#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <string>

#include "channels/result.h"
#include "link/operation.h"
#include "series/job_rules.h"
#include "series/station_io.h"
#include "series/timings.h"

namespace m27 {

class Station {
 public:
  explicit Station(std::string port) : port_(std::move(port)) {}

  const std::string& port() const { return port_; }

  void start(TimePoint now);
  void on_timer(TimePoint now);
  void step_ended(TimePoint now, const StepOutcome& outcome, JobRules& rules);
  void log_appended(TimePoint now, const std::optional<Words>& failure, JobRules& rules);
  // The port failed: the radio on its way is logged and the station stops with `message`.
  void port_lost(TimePoint now, Words message, JobRules& rules);
  // Before the start: the port could not be opened; the station stops with `reason`.
  void port_not_opened(Words reason);
  // The job changed (stopped, its end came, its log failed): the station follows.
  void follow(TimePoint now, JobRules& rules);

  std::optional<TimePoint> next_deadline() const { return wake_at_; }
  std::optional<StationAction> poll();
  bool stopped() const { return phase_ == Phase::Stopped; }
  // It stopped because its port was lost, or never opened.
  bool lost() const { return stop_after_log_.has_value() || unopened_; }
  bool unopened() const { return unopened_; }

 private:
  enum class Phase {
    Idle,
    Waiting,   // for a radio; the next probe at wake_at_
    Probing,   // for a radio
    Checking,  // whether a radio the log holds as done still holds the template
    Writing,
    Pausing,  // after the write; the read-back at wake_at_
    Verifying,
    Reserving,  // the reserved line on its way into the log
    WritingId,
    ReadingId,
    Logging,          // the radio's last line on its way into the log
    AwaitingRemoval,  // the next probe at wake_at_
    ProbingRemoval,
    Stopped,
  };

  // The radio on the station, from its first answer until it is taken off.
  struct Radio {
    std::uint32_t old_id = 0;
    TimePoint since{};
    std::optional<IdClaim> claim;
    bool reserved = false;
    std::set<std::uint32_t> answers;  // IDs that still mean this radio while it is taken off
  };

  void wake(TimePoint now);
  void probe(TimePoint now, Phase phase);
  void probe_answered(TimePoint now, const StepOutcome& outcome, JobRules& rules);
  void removal_probe_answered(TimePoint now, const StepOutcome& outcome, JobRules& rules);
  void recognise(TimePoint now, std::uint32_t id, JobRules& rules);
  void checked(TimePoint now, const StepOutcome& outcome, JobRules& rules);
  void start_writing(JobRules& rules);
  void await_removal(TimePoint now);
  void radio_step_ended(TimePoint now, const StepOutcome& outcome, JobRules& rules);
  void verify(TimePoint now, const StepOutcome& outcome, JobRules& rules);
  void check_id(TimePoint now, const StepOutcome& outcome, JobRules& rules);
  void reserve(TimePoint now, JobRules& rules);
  // The radio's last line: its outcome, the text to show once the line is in the log.
  void finish(TimePoint now, RadioResult result, SeriesStep step, const Words& detail,
              StationLook look, JobRules& rules);
  // The radio stops short at the step it is at: failed, unconfirmed or interrupted.
  void cut_short(TimePoint now, RadioResult result, const Words& reason, JobRules& rules);
  void fail(TimePoint now, const Words& reason, JobRules& rules);
  SeriesStep step_at() const;
  LogLine line_for(TimePoint now, RadioResult result, SeriesStep step, const JobRules& rules) const;
  void wait_for_radio(TimePoint next_probe);
  void stop(std::optional<Words> reason);
  void show(StationLook look, Words text);

  std::string port_;
  Phase phase_ = Phase::Idle;
  std::optional<TimePoint> wake_at_;
  TimePoint probe_sent_{};
  int silent_probes_ = 0;
  std::optional<Radio> radio_;
  std::optional<ShowState> shown_after_log_;
  // Set when the port is lost: the reason to stop with once the line is in.
  std::optional<Words> stop_after_log_;
  bool unopened_ = false;
  bool sequence_stopped_ = false;  // StopSequence went out for the sequence in flight
  std::optional<ShowState> shown_;
  std::deque<StationAction> actions_;
};

}  // namespace m27
