// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pace of a series job, in one place. Real cables and radios may want other values: the
// probe's time-out is short so that a station notices a radio quickly, and nobody has yet seen
// whether a radio needs a pause after the end packet of a write before it answers again.

#include <chrono>

namespace m27 {

// A station asks "which ID?" this often while it waits for a radio, and for its removal.
inline constexpr std::chrono::milliseconds kProbePeriod{500};
// A probe is one request with one try; silence for this long means no radio.
inline constexpr std::chrono::milliseconds kProbeTimeout{300};
// This many silent probes in a row: the radio has been taken off.
inline constexpr int kSilentProbesForRemoval = 2;
// Between the end of a write and the read that checks it.
inline constexpr std::chrono::milliseconds kPauseAfterWrite{0};

}  // namespace m27
