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

struct SeriesOrder {
  Sheet template_sheet;  // as the write sends it: prepare_write's sheet, whose plan is `plan`
  WritePlan plan;
  std::uint32_t first_id = 0;
  std::uint32_t last_id = 0;
  bool keep_id = false;
  std::optional<int> count = {};  // radios ok, then the job ends
  std::vector<std::string> ports = {};
  std::filesystem::path log_path = {};
  bool create_log = false;  // a log file that does not exist yet may be created
};

struct ReadySeries {
  JobLog log;
  SeriesJob job;
  WritePlan plan;
};

// Refused with its reason when the template has no fingerprint, the log does not exist and may
// not be created (kLogMissing), the log cannot be opened or
// another job holds it, or the job refuses the range (none of it free, FIRST above LAST).
Result<ReadySeries> get_ready(SeriesOrder order);

}  // namespace m27
