// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's option record and channel records, to and from the sheet, byte for byte.
//
// Option record: flags (bit 0 always, bit 2 busy lock-out "开", bit 5 FSK "开", bit 6
// professional mode, bit 7 transmit "禁止"), plan index, channel total.
// Channel record: receive count high/low, transmit count high/low, receive tone code, transmit
// tone code, flags (bit 0/1 receive/transmit on 6.25 kHz, bit 2 wide band, bit 3/4 receive/
// transmit tone is an inverted DCS code). Counts are raster steps above 400 MHz.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "channels/sheet.h"

namespace m27 {

using OptionRecord = std::array<std::uint8_t, 3>;
using ChannelRecord = std::array<std::uint8_t, 7>;

// The option record of the sheet; nullopt when the channel total is not a number 0..255.
std::optional<OptionRecord> encode_options(const Sheet& sheet);

// The channel record of row `ch_index`, after the raster check has set its flags; nullopt
// when a frequency is not a number or has no wire count.
std::optional<ChannelRecord> encode_channel(const Sheet& sheet, int ch_index);

// `decode_options`: applies a received option record. A mode that differs from the shown one
// runs the mode change first; the plan box shows the plan without applying it; a total above
// 25 is shown as 25; the rows follow the total. Returns the total as the radio reported it.
int decode_options(Sheet& sheet, const OptionRecord& record);

// `decode_channel`: writes a received channel record into row `ch_index`, tones looked up in the
// current tone list (a code past it gives the empty text).
void decode_channel(Sheet& sheet, int ch_index, const ChannelRecord& record);

}  // namespace m27
