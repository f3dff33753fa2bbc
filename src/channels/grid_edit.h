// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user's choices and typing in the grid's frame do to the channel table. The window's
// handlers read the widgets into the sheet, call these, and show the sheet again; what is only
// the grid's (tab stops, open tone editors) the window keeps itself.

#include <optional>
#include <string>
#include <string_view>

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

}  // namespace m27
