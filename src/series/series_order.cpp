// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/series_order.h"

#include <utility>

namespace m27 {

Result<ReadySeries> get_ready(SeriesOrder order) {
  auto fingerprint = template_fingerprint(order.template_sheet);
  if (!fingerprint) return Failure{fingerprint.reason()};
  std::error_code ignored;
  if (!order.create_log && !std::filesystem::exists(order.log_path, ignored)) {
    return Failure{std::string(kLogMissing)};
  }
  auto log = JobLog::open(order.log_path);
  if (!log) return Failure{log.reason()};
  auto job = SeriesJob::create(
      {std::move(order.template_sheet), std::move(fingerprint).value(), order.first_id,
       order.last_id, order.keep_id, order.count, std::move(order.ports)},
      log->reading().history);
  if (!job) return Failure{job.reason()};
  return ReadySeries{std::move(log).value(), std::move(job).value(), std::move(order.plan)};
}

}  // namespace m27
