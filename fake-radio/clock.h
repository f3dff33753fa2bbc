// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Virtual time of the fake radio and the timing of its 9600-baud line.

#include <chrono>
#include <cstddef>

namespace m27::fake {

using Clock = std::chrono::steady_clock;
using TimePoint = Clock::time_point;
using Duration = Clock::duration;

// One byte at 9600 baud, 8N1: ten bit times, 1.0417 ms.
inline constexpr Duration kByteTime = std::chrono::nanoseconds(1'041'667);

// The program throws away everything it receives until this long after its request left the line.
inline constexpr Duration kSettle = std::chrono::milliseconds(20);

constexpr Duration line_time(std::size_t bytes) {
  return kByteTime * static_cast<Duration::rep>(bytes);
}

}  // namespace m27::fake
