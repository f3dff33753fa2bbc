// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the radio keeps in its flash: the option record, 25 channel records, the two RSSI
// calibration values and the radio ID, all as the bytes that travel on the line.

#include <array>
#include <cstdint>

namespace m27::fake {

inline constexpr int kChannelCount = 25;

using OptionRecord = std::array<std::uint8_t, 3>;  // flags, plan index, channel total
using ChannelRecord =
    std::array<std::uint8_t, 7>;  // rx count hi/lo, tx count hi/lo, rx/tx tone, flags

struct Memory {
  OptionRecord options;
  std::array<ChannelRecord, kChannelCount> channels;
  std::uint8_t rssi_narrow;
  std::uint8_t rssi_wide;
  std::uint32_t id;
  friend bool operator==(const Memory&, const Memory&) = default;
};

// A radio as it leaves the factory:
// - options 01 00 16: normal mode, transmit allowed, busy lock-out and FSK off, US plan, 22
// channels;
// - rows 0..21 the US plan (462.56250 ... 462.72500 MHz, both directions) on the 6.25 kHz raster,
//   narrow band, no tones, except row 1: receive tone code 1 ("67.0"), transmit tone code 39
//   ("D023"), wide band;
// - rows 22..24 450.00500, 450.01000, 450.01500 MHz on the 5 kHz raster, narrow, no tones;
// - RSSI calibration 45 (narrow) and 43 (wide);
// - ID 12345678 (0x00BC614E).
Memory default_memory();

}  // namespace m27::fake
