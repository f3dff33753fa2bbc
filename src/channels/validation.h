// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The raster check that runs after most actions of the window, and the check that refuses a
// write while a row cannot be sent.

#include <cstdint>
#include <optional>

#include "channels/frequency.h"
#include "channels/sheet.h"
#include "channels/words.h"

namespace m27 {

// Derives `plan_index` from the plan box's text (the base frequencies are constants here).
void derive_plan_index(Sheet& sheet);

// For every row: an empty frequency becomes "0"; a frequency on neither raster moves down to
// the 5 kHz raster point at or below it (receive measured from 400 MHz, transmit from 450 MHz);
// `rx_step`/`tx_step` become 1 on the 6.25 kHz raster, else 0 (0 in the run that moved it).
// A text that is not a number is left as it is.
void check_rasters(Sheet& sheet);

// The count of raster steps above 400 MHz that carries a frequency on the wire, rounded to the
// nearest step (ties to even); nullopt when it falls outside 0..65535.
std::optional<std::uint16_t> wire_count(FreqUnits f, int step);

// The frequency a wire count stands for.
FreqUnits count_frequency(std::uint16_t count, int step);

// Run before a write, after `normalise_frequencies`: the first row whose frequencies are
// empty, longer than 9 characters, not numbers, a receive frequency outside 400..490 MHz or a
// transmit frequency that has no wire count, refuses the write with its message; after them
// every tone, bandwidth and option box the radio cannot hold (`choice_error`) does.
std::optional<Notice> pre_write_check(const Sheet& sheet);

}  // namespace m27
