// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/job_rules.h"

#include <utility>

namespace m27 {

JobRules::JobRules(Sheet template_sheet, std::string template_sha256, IdPool pool,
                   LogHistory history, bool keep_id, std::optional<int> count)
    : template_sheet_(std::move(template_sheet)),
      template_sha256_(std::move(template_sha256)),
      pool_(std::move(pool)),
      history_(std::move(history)),
      keep_id_(keep_id),
      count_(count) {}

void SeriesTotals::count(RadioResult result) {
  switch (result) {
    case RadioResult::Ok:
      ++ok;
      break;
    case RadioResult::Failed:
    case RadioResult::Unconfirmed:
      ++failed;
      break;
    case RadioResult::Interrupted:
      ++interrupted;
      break;
    default:
      break;
  }
}

bool JobRules::logged_done(std::uint32_t radio_id) const {
  return history_.done(radio_id, template_sha256_);
}

bool JobRules::accepting() const { return !interrupting() && !limit_reached(); }

bool JobRules::limit_reached() const {
  return (count_ && totals_.ok >= *count_) || pool_.exhausted();
}

std::optional<IdClaim> JobRules::claim(std::uint32_t radio_id) {
  if (!accepting()) return std::nullopt;
  if (count_ && totals_.ok + static_cast<int>(claimed_.size()) >= *count_) return std::nullopt;
  std::optional<IdClaim> claim;
  // Earlier jobs do not count: a logged ID that answers is taken to be the radio it was given to.
  if (keep_id_ && radio_id != 0 && !kept_or_given_.contains(radio_id) &&
      !claimed_.contains(radio_id)) {
    claim = IdClaim{radio_id, pool_.take(radio_id)};
  } else if (const auto id = pool_.take()) {
    claim = IdClaim{*id, true};
  }
  if (claim) claimed_.insert(claim->id);
  return claim;
}

void JobRules::release(const IdClaim& claim) {
  if (claim.from_pool) pool_.give_back(claim.id);
  claimed_.erase(claim.id);
}

void JobRules::note(const LogLine& line, const std::optional<IdClaim>& claim) {
  history_.note(line);
  pool_.bar(line.old_id);
  if (line.result == RadioResult::Reserved) {
    if (claim && claim->from_pool) pool_.use(claim->id);
    if (line.new_id) kept_or_given_.insert(*line.new_id);
    return;
  }
  if (claim) claimed_.erase(claim->id);
  totals_.count(line.result);
}

void JobRules::log_failed(Words reason) {
  if (!log_failure_) log_failure_ = std::move(reason);
}

}  // namespace m27
