// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether one cell of the channel table can be written to the radio, and if not, what is wrong
// with it. The check before a write, the spreadsheet import and the grid's error colour all ask
// this one rule, so none of them can disagree.

#include <string>
#include <string_view>

#include "channels/sheet.h"
#include "channels/words.h"

namespace m27 {

// The five columns of a channel row, in the grid's order.
enum class Cell { rx_frequency, rx_tone, tx_frequency, tx_tone, bandwidth };
inline constexpr int kColumns = 5;

// The field of a channel row a column holds.
std::string ChannelRow::*field_of(Cell column);

// The column's caption: "接收频率", "接收亚音", "发射频率", "发射亚音", "带宽".
Words caption_of(Cell column);

enum class CellFault {
  none,
  empty,            // a frequency with no text
  too_long,         // a frequency of more than 9 characters
  not_a_number,     // a frequency that is no number
  outside_band,     // a receive frequency outside 400..490 MHz
  not_encodable,    // a transmit frequency the radio has no count for on its raster
  tone_not_listed,  // a tone the current mode's list lacks
  no_bandwidth,     // a bandwidth neither "宽带" nor "窄带"
};

// What is wrong with the cell of `row` in `column` as the sheet holds it now (a transmit
// frequency on the raster the last raster check gave its row).
CellFault cell_fault(const Sheet& sheet, int row, Cell column);

// The fault of a frequency text alone: empty, too long, no number, else none.
CellFault frequency_text_fault(std::string_view text);

// The reason a grid cell in error gives, in the user's words ("不在400～490 MHz之内").
Words fault_reason(CellFault fault, ToneMode mode);

}  // namespace m27
