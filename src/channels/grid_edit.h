// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user's choices and keys in the grid's frame do to the channel table. The window's
// handlers read the widgets into the sheet, call these, and show the sheet again; what is only
// the grid's (tab stops, open tone editors) the window keeps itself.

#include <string>
#include <string_view>

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

enum class KeyAction { Pass, Drop, MoveFocus };

// The key codes the field filters treat apart from printable characters.
inline constexpr int kBackspaceKey = 8;
inline constexpr int kEnterKey = 13;
inline constexpr int kDeleteKey = 127;

// The receive-frequency key filter: digits, ".", Backspace (8) and 127 pass; Enter (13) moves
// the focus on as Tab does; every other key is dropped.
KeyAction frequency_key_action(int key_ascii);

// Whether a paste into a receive-frequency cell goes in: a text of digits with at most one point,
// as typing lets it through. Anything else leaves the cell as it was.
bool frequency_paste_allowed(std::string_view text);

}  // namespace m27
