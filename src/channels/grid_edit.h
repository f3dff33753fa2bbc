// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user's choices and typing in the grid's frame do to the channel table. The window's
// handlers read the widgets into the sheet, call these, and show the sheet again; what is only
// the grid's (tab stops, open tone editors) the window keeps itself.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channels/frequency.h"
#include "channels/sheet.h"

namespace m27 {

// What every choice in a drop-down box of the grid leads to: the rows follow the channel total,
// the frequencies are checked and formatted.
void follow_choice(Sheet& sheet);

// A choice in the channel-total box, or in the fill-step box, then `follow_choice`.
void choose_channel_total(Sheet& sheet, std::string_view text);
void choose_fill_step(Sheet& sheet, std::string_view text);

// The bandwidth cell's click: "宽带" becomes "窄带", anything else "宽带".
std::string toggled_bandwidth(std::string_view bandwidth);

// Whether typed or pasted text goes into a receive-frequency cell: digits with at most one
// point. Anything else leaves the cell as it was.
bool frequency_input_allowed(std::string_view text);

// The values a paste into a frequency cell brings, one a line: a trailing line break is
// dropped (CR LF is one), and a tab ends a line's value (the first column of a copied
// spreadsheet row). Never a line break or a tab.
std::vector<std::string> pasted_values(std::string_view text);

// A column pasted into the frequency column `field` (a column copied from a spreadsheet): the
// values replace the cells from row `row` downwards, one a row, within the rows in use. Each
// must be a frequency a receive-frequency cell takes, of at most 9 characters; the first that
// is not stops the paste at its row, and its note is returned ("第N信道：“…”不是有效的频率").
std::optional<std::string> paste_frequencies(Sheet& sheet, std::string ChannelRow::*field, int row,
                                             const std::vector<std::string>& values);

}  // namespace m27
