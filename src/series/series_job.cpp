// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/series_job.h"

#include <algorithm>
#include <utility>


namespace m27 {
namespace {

constexpr std::string_view kEveryPortLost = "所有串口都已断开";
constexpr std::string_view kNoPortOpened = "没有一个串口能打开";

}  // namespace

Result<SeriesJob> SeriesJob::create(SeriesSettings settings, const LogHistory& history) {
  if (const auto refusal = id_range_refusal(settings.first_id, settings.last_id)) {
    return Failure{*refusal};
  }
  IdPool pool(settings.first_id, settings.last_id, history.barred_ids());
  if (pool.exhausted()) {
    return Failure{"ID " + std::to_string(settings.first_id) + ".." +
                   std::to_string(settings.last_id) + " 已全部用过，请换一个范围"};
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
  if (station >= stations_.size()) return;
  stations_[station].step_ended(now, outcome, rules_);
  follow(now);
}

void SeriesJob::log_appended(std::size_t station, TimePoint now,
                             const std::optional<Failure>& failure) {
  if (station >= stations_.size()) return;
  stations_[station].log_appended(now, failure, rules_);
  follow(now);
}

void SeriesJob::port_lost(std::size_t station, TimePoint now, std::string message) {
  if (station >= stations_.size()) return;
  stations_[station].port_lost(now, std::move(message), rules_);
  follow(now);
}

void SeriesJob::port_not_opened(std::size_t station, std::string reason) {
  if (station < stations_.size()) stations_[station].port_not_opened(std::move(reason));
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

std::optional<std::string> SeriesJob::failure() const {
  if (rules_.log_failure()) return rules_.log_failure();
  const bool every_port_lost =
      !stations_.empty() && std::all_of(stations_.begin(), stations_.end(),
                                        [](const Station& station) { return station.lost(); });
  const bool none_opened = std::all_of(stations_.begin(), stations_.end(),
                                       [](const Station& station) { return station.unopened(); });
  if (every_port_lost) return std::string(none_opened ? kNoPortOpened : kEveryPortLost);
  return std::nullopt;
}

std::string counts_text(const SeriesTotals& totals) {
  std::string text =
      "完成 " + std::to_string(totals.ok) + " 台，失败 " + std::to_string(totals.failed) + " 台";
  if (totals.interrupted > 0) text += "，中断 " + std::to_string(totals.interrupted) + " 台";
  return text;
}

std::string summary_text(const SeriesTotals& totals, std::chrono::milliseconds elapsed) {
  const int radios = totals.ok + totals.failed + totals.interrupted;
  const auto average = radios > 0 ? elapsed / radios : std::chrono::milliseconds{0};
  return counts_text(totals) + "，用时 " + tenths_of_seconds(elapsed) + " s，平均每台 " +
         tenths_of_seconds(average) + " s";
}

}  // namespace m27
