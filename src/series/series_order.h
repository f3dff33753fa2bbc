// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A dealer's order made ready to run: the template checked and fingerprinted, the log opened and
// locked, and the job made from what the log holds. Each face (the command line, the window)
// fills in the order its own way and runs what comes back; nothing is sent before.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "channels/result.h"
#include "link/write_plan.h"
#include "series/job_log.h"
#include "series/series_job.h"

namespace m27 {

// The template of a job as one value: the sheet as the write sends it, the plan that writes it,
// and the fingerprint of the file it came from, which the log names it by.
class SeriesTemplate {
 public:
  // `sheet` as prepare_write snapped it, `plan` the plan it gave for it.
  SeriesTemplate(Sheet sheet, WritePlan plan, std::string fingerprint);

  const Sheet& sheet() const { return sheet_; }
  const WritePlan& plan() const { return plan_; }
  const std::string& fingerprint() const { return fingerprint_; }

 private:
  Sheet sheet_;
  WritePlan plan_;
  std::string fingerprint_;
};

struct SeriesOrder {
  SeriesTemplate template_write;
  std::uint32_t first_id = 0;
  std::uint32_t last_id = 0;
  bool keep_id = false;
  std::optional<int> count = {};  // radios ok, then the job ends
  std::vector<std::string> ports = {};
  std::filesystem::path log_path = {};
  bool create_log = false;  // a missing log file is made (never a missing folder)
};

struct ReadySeries {
  JobLog log;
  SeriesJob job;
  WritePlan plan;
};

// Refused with its reason when the range holds no ID to hand out, the log cannot be opened (see
// JobLog::open: log_missing, log_locked) or the job refuses the range (none of it free).
Result<ReadySeries, Words> get_ready(SeriesOrder order);

}  // namespace m27
