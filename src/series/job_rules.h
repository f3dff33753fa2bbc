// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the stations of one series job share: the template, the pool of IDs, the log's history,
// the count of radios, and whether the job still takes radios. Every rule that spans stations
// lives here, so two stations never give one ID to two radios.

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "channels/sheet.h"
#include "series/id_pool.h"
#include "series/log_history.h"

namespace m27 {

struct SeriesTotals {
  int ok = 0;
  int failed = 0;  // failed or unconfirmed
  int interrupted = 0;
  // Counts a radio's last line; one already done counts as neither.
  void count(RadioResult result);
  friend bool operator==(const SeriesTotals&, const SeriesTotals&) = default;
};

// The ID a radio on its way is to get.
struct IdClaim {
  std::uint32_t id = 0;
  bool from_pool = false;  // else the radio keeps its own ID
};

class JobRules {
 public:
  // `count`: the job ends after this many radios ok.
  JobRules(Sheet template_sheet, std::string template_sha256, IdPool pool, LogHistory history,
           bool keep_id, std::optional<int> count);

  const Sheet& template_sheet() const { return template_sheet_; }
  const std::string& template_sha256() const { return template_sha256_; }
  // The log holds this radio's ID as finished with this template: a read of the radio tells
  // whether it still holds it.
  bool logged_done(std::uint32_t radio_id) const;

  // Whether a new radio may start: the job was not stopped and its end has not come.
  bool accepting() const;
  // The job was stopped, or its log failed: radios on their way stop after the exchange in
  // flight.
  bool interrupting() const { return stop_requested_ || log_failure_.has_value(); }
  // Lines may still go into the log.
  bool logging() const { return !log_failure_.has_value(); }

  // The ID for a radio that answered with `radio_id`: its own with keep-id, unless it is 0 or
  // another radio of this job kept it, got it or has it on its way; else the pool's lowest free
  // one.
  // nullopt while none may start: no free ID, or as many radios on their way as the count lacks.
  std::optional<IdClaim> claim(std::uint32_t radio_id);
  // The radio failed before its ID was reserved: the ID is free again.
  void release(const IdClaim& claim);
  // A line goes into the log: its ID counts as used from now on, and a final line counts the
  // radio and ends its claim.
  void note(const LogLine& line, const std::optional<IdClaim>& claim);

  void request_stop() { stop_requested_ = true; }
  void log_failed(Words reason);
  const std::optional<Words>& log_failure() const { return log_failure_; }
  const SeriesTotals& totals() const { return totals_; }

 private:
  bool limit_reached() const;

  Sheet template_sheet_;
  std::string template_sha256_;
  IdPool pool_;
  LogHistory history_;
  bool keep_id_;
  std::optional<int> count_;
  std::set<std::uint32_t> claimed_;        // the IDs of the radios on their way
  std::set<std::uint32_t> kept_or_given_;  // reserved by this job
  SeriesTotals totals_;
  bool stop_requested_ = false;
  std::optional<Words> log_failure_;
};

}  // namespace m27
