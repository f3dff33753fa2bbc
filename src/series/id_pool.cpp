// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/id_pool.h"

#include <algorithm>

namespace m27 {

std::optional<Words> id_range_refusal(std::uint32_t first, std::uint32_t last) {
  if (first > last) {
    return M27_WORDS("series", "ID %1..%2 不对：起始ID大于结束ID").arg(first).arg(last);
  }
  if (last == 0) {
    return M27_WORDS("series", "ID %1..%2 不对：ID 0 不分配给对讲机").arg(first).arg(last);
  }
  return std::nullopt;
}

IdPool::IdPool(std::uint32_t first, std::uint32_t last, const std::set<std::uint32_t>& barred)
    : first_(std::max<std::uint32_t>(first, 1)), last_(last), lowest_candidate_(first_) {
  for (auto it = barred.lower_bound(first); it != barred.end() && *it <= last; ++it) {
    if (in_range(*it)) used_.insert(*it);
  }
}

std::optional<std::uint32_t> IdPool::take() {
  while (in_range(lowest_candidate_) &&
         (used_.contains(static_cast<std::uint32_t>(lowest_candidate_)) ||
          out_.contains(static_cast<std::uint32_t>(lowest_candidate_)))) {
    ++lowest_candidate_;
  }
  if (!in_range(lowest_candidate_)) return std::nullopt;
  const auto id = static_cast<std::uint32_t>(lowest_candidate_++);
  out_.insert(id);
  return id;
}

bool IdPool::take(std::uint32_t id) {
  if (!in_range(id) || used_.contains(id)) return false;
  return out_.insert(id).second;
}

void IdPool::give_back(std::uint32_t id) {
  if (out_.erase(id) == 0) return;
  lowest_candidate_ = std::min<std::uint64_t>(lowest_candidate_, id);
}

void IdPool::use(std::uint32_t id) {
  if (out_.erase(id) != 0) used_.insert(id);
}

void IdPool::bar(std::uint32_t id) {
  if (in_range(id) && !out_.contains(id)) used_.insert(id);
}

bool IdPool::exhausted() const {
  return out_.empty() && (first_ > last_ || used_.size() == last_ - first_ + 1);
}

}  // namespace m27
