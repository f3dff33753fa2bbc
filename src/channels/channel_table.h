// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel table's own rules: default frequencies, canonical form, rows in use, and the two
// fill buttons.

#include <optional>
#include <string>
#include <vector>

#include "channels/sheet.h"
#include "channels/words.h"

namespace m27 {

// Start-up frequencies: row i receives and transmits on 450.125 + 0.5 i MHz.
void set_default_frequencies(Sheet& sheet);

// Raster check, then every frequency in the "000.00000" form: what the program does to the table
// after most actions. The tone editors, reset along with it, are the window's own.
void normalise_frequencies(Sheet& sheet);

// Rows below the channel total are enabled, the rest disabled with their contents kept.
// A total that is not a number leaves the rows as they are.
void enable_rows_in_use(Sheet& sheet);

// How many channels are in use: the channel total, at most 25; all 25 when it is no number.
int channels_in_use(const Sheet& sheet);

// The fill buttons "接收" (receive column) and "发射" (transmit column): row i becomes
// row 0 + i * fill step, for all 25 rows. When row 0 or the fill step is not a number the
// column stays as it was and the message for row 1 comes back for display.
std::optional<Notice> fill_receive_frequencies(Sheet& sheet);
std::optional<Notice> fill_transmit_frequencies(Sheet& sheet);

// The message that refuses the frequency of a row (0-based): "第3信道频率输入错误，请重新输入".
Notice frequency_error(int row);

// The items of the channel total ("1" .. "25") and of the fill step ("100" .. "900").
std::vector<std::string> channel_total_items();
std::vector<std::string> fill_step_items();

}  // namespace m27
