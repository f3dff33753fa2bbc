// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The IDs FIRST..LAST of a series job, handed out lowest first. An ID is out while a radio is
// on its way to it; it comes back if the radio fails before the ID is reserved, and once
// reserved it is used for good and never handed out again.

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "channels/words.h"

namespace m27 {

// Why FIRST..LAST is no range of IDs to hand out: "ID 200..100 不对：起始ID大于结束ID", or one that
// holds only 0, which no radio is given. To be asked before anything is opened.
std::optional<Words> id_range_refusal(std::uint32_t first, std::uint32_t last);

class IdPool {
 public:
  // `barred`: IDs never to hand out (used by earlier jobs and the like); those outside the range
  // do not matter. 0 is never handed out.
  IdPool(std::uint32_t first, std::uint32_t last, const std::set<std::uint32_t>& barred);

  // The lowest free ID, now out; nullopt when none is free.
  std::optional<std::uint32_t> take();
  // `id` itself, when it is in the range and free.
  bool take(std::uint32_t id);
  // An ID that is out comes back.
  void give_back(std::uint32_t id);
  // An ID that is out is used for good.
  void use(std::uint32_t id);
  // An ID that is free is never handed out.
  void bar(std::uint32_t id);

  // Nothing is free and nothing is out that could come back.
  bool exhausted() const;

 private:
  bool in_range(std::uint64_t id) const { return id >= first_ && id <= last_; }

  std::uint64_t first_;
  std::uint64_t last_;
  std::set<std::uint32_t> used_;  // in the range only
  std::set<std::uint32_t> out_;
  std::uint64_t lowest_candidate_;  // every ID below it is used or out
};

}  // namespace m27
