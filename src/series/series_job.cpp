// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/series_job.h"

#include <algorithm>
#include <utility>

namespace m27 {

Result<SeriesJob, Words> SeriesJob::create(SeriesSettings settings, const LogHistory& history) {
  if (auto refusal = id_range_refusal(settings.first_id, settings.last_id)) {
    return std::move(*refusal);
  }
  IdPool pool(settings.first_id, settings.last_id, history.barred_ids());
  if (pool.exhausted()) {
    return M27_WORDS("series", "ID %1..%2 已全部用过，请换一个范围")
        .arg(settings.first_id)
        .arg(settings.last_id);
  }
  JobRules rules(std::move(settings.template_sheet), std::move(settings.template_sha256),
                 std::move(pool), history, settings.keep_id, settings.count);
  return SeriesJob(std::move(rules), settings.ports);
}

SeriesJob::SeriesJob(JobRules rules, const std::vector<std::string>& ports)
    : rules_(std::move(rules)) {
  for (const auto& port : ports) stations_.emplace_back(port);
}

void SeriesJob::start(TimePoint now) {
  for (auto& station : stations_) station.start(now);
}

void SeriesJob::on_timer(TimePoint now) {
  for (auto& station : stations_) station.on_timer(now);
  follow(now);
}

void SeriesJob::step_ended(std::size_t station, TimePoint now, const StepOutcome& outcome) {
  stations_.at(station).step_ended(now, outcome, rules_);
  follow(now);
}

void SeriesJob::log_appended(std::size_t station, TimePoint now,
                             const std::optional<Words>& failure) {
  stations_.at(station).log_appended(now, failure, rules_);
  follow(now);
}

void SeriesJob::port_lost(std::size_t station, TimePoint now, Words message) {
  stations_.at(station).port_lost(now, std::move(message), rules_);
  follow(now);
}

void SeriesJob::port_not_opened(std::size_t station, Words reason) {
  stations_.at(station).port_not_opened(std::move(reason));
}

void SeriesJob::stop(TimePoint now) {
  rules_.request_stop();
  follow(now);
}

void SeriesJob::follow(TimePoint now) {
  for (auto& station : stations_) station.follow(now, rules_);
}

std::optional<TimePoint> SeriesJob::next_deadline() const {
  std::optional<TimePoint> earliest;
  for (const auto& station : stations_) {
    const auto deadline = station.next_deadline();
    if (deadline && (!earliest || *deadline < *earliest)) earliest = deadline;
  }
  return earliest;
}

std::optional<JobAction> SeriesJob::poll() {
  for (std::size_t i = 0; i < stations_.size(); ++i) {
    while (auto action = stations_[i].poll()) out_.push_back(JobAction{i, std::move(*action)});
  }
  if (out_.empty()) return std::nullopt;
  JobAction action = std::move(out_.front());
  out_.pop_front();
  return action;
}

bool SeriesJob::over() const {
  return std::all_of(stations_.begin(), stations_.end(),
                     [](const Station& station) { return station.stopped(); });
}

std::optional<Words> SeriesJob::failure() const {
  if (rules_.log_failure()) return rules_.log_failure();
  const bool every_port_lost =
      !stations_.empty() && std::all_of(stations_.begin(), stations_.end(),
                                        [](const Station& station) { return station.lost(); });
  const bool none_opened = std::all_of(stations_.begin(), stations_.end(),
                                       [](const Station& station) { return station.unopened(); });
  if (!every_port_lost) return std::nullopt;
  return none_opened ? M27_WORDS("series", "没有一个串口能打开")
                     : M27_WORDS("series", "所有串口都已断开");
}

Words counts_text(const SeriesTotals& totals) {
  const Words ok = M27_COUNTED_WORDS("series", "完成 %n 台").counting(totals.ok);
  const Words failed = M27_COUNTED_WORDS("series", "失败 %n 台").counting(totals.failed);
  if (totals.interrupted == 0) return M27_WORDS("series", "%1，%2").arg(ok).arg(failed);
  return M27_WORDS("series", "%1，%2，%3")
      .arg(ok)
      .arg(failed)
      .arg(M27_COUNTED_WORDS("series", "中断 %n 台").counting(totals.interrupted));
}

Words summary_text(const SeriesTotals& totals, std::chrono::milliseconds elapsed) {
  const int radios = totals.ok + totals.failed + totals.interrupted;
  const auto average = radios > 0 ? elapsed / radios : std::chrono::milliseconds{0};
  return M27_WORDS("series", "%1，用时 %2 s，平均每台 %3 s")
      .arg(counts_text(totals))
      .arg(tenths_of_seconds(elapsed))
      .arg(tenths_of_seconds(average));
}

}  // namespace m27
