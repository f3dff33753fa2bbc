// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/series_order.h"

#include <utility>

namespace m27 {

SeriesTemplate::SeriesTemplate(Sheet sheet, WritePlan plan, std::string fingerprint)
    : sheet_(std::move(sheet)), plan_(std::move(plan)), fingerprint_(std::move(fingerprint)) {}

Result<ReadySeries, Words> get_ready(SeriesOrder order) {
  if (auto refusal = id_range_refusal(order.first_id, order.last_id)) return std::move(*refusal);
  auto log = JobLog::open(order.log_path, order.create_log);
  if (!log) return log.why();
  const SeriesTemplate& written = order.template_write;
  auto job = SeriesJob::create({written.sheet(), written.fingerprint(), order.first_id,
                                order.last_id, order.keep_id, order.count, std::move(order.ports)},
                               log->reading().history);
  if (!job) return job.why();
  return ReadySeries{std::move(log).value(), std::move(job).value(), written.plan()};
}

}  // namespace m27
