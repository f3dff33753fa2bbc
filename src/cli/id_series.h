// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Series programming of radio IDs, as the "输入ID" dialog does it: the first radio gets the
// start ID, and every radio that takes its ID moves the next one on by one ("0" after
// 4294967295) and counts a success. A radio that fails keeps the ID for the next one, so the
// series has no gaps.

#include <cstdint>

#include "service/radio_id.h"

namespace m27 {

class IdSeries {
 public:
  // `radios`: how many radios the series is for, at least 1.
  IdSeries(std::uint32_t start, int radios);

  // The ID the next radio gets, and the successes so far.
  const IdFields& fields() const { return fields_; }

  // The current radio's write has ended; `taken`: the radio acknowledged its ID.
  void written(bool taken);

  // Every radio of the series has had its turn.
  bool done() const { return left_ == 0; }
  // Some radio did not take its ID.
  bool any_failed() const { return failed_; }

 private:
  IdFields fields_;
  int left_;
  bool failed_ = false;
};

}  // namespace m27
