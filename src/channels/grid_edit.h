// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user's clicks and keys do to the channel table. The window's handlers read the
// widgets into the sheet, call these, and show the sheet again.

#include <string>
#include <string_view>

#include "channels/sheet.h"

namespace m27 {

// A click on any frequency cell: receive cells become tab stops and are formatted, then
// `commit_edits` (raster check, formatting, every open tone editor commits).
void frequency_click(Sheet& sheet);

// A double-click on a receive-frequency cell: `derive_plan_index`, receive cells become tab stops.
void receive_frequency_double_click(Sheet& sheet);

// A double-click on the window background: every frequency cell becomes a tab stop.
void background_double_click(Sheet& sheet);

// After a channel file is opened or saved the Tab key skips every frequency cell.
void clear_frequency_tab_stops(Sheet& sheet);

// A click on the transmit tone of row k: open transmit editors commit and close, then row k's
// editor opens with the cell's text. Receive frequencies are formatted first.
void open_tx_tone_editor(Sheet& sheet, int k);

// The same for the receive tone of row k; both frequency columns are formatted first.
void open_rx_tone_editor(Sheet& sheet, int k);

// A choice in a `tx_tone_editor` element: a transmit-tone editor (0..24), the channel total (60) or
// the fill step (62); then the rows follow the total and the frequencies are checked and formatted.
void choose_in_box(Sheet& sheet, int index, std::string_view text);

// A change of the text of the receive-tone editor of row k, with the same consequences.
void change_rx_tone_editor(Sheet& sheet, int k, std::string_view text);

// The bandwidth cell's click: "宽带" becomes "窄带", anything else "宽带".
std::string toggled_bandwidth(std::string_view bandwidth);

enum class KeyAction { Pass, Drop, MoveFocus };

// The key codes the field filters treat apart from printable characters.
inline constexpr int kBackspaceKey = 8;
inline constexpr int kEnterKey = 13;
inline constexpr int kDeleteKey = 127;

// `choose_in_box` indices besides the transmit-tone editors 0..24: the channel total and the
// fill step.
inline constexpr int kChannelTotalBox = 60;
inline constexpr int kFillStepBox = 62;

// The receive-frequency key filter: digits, ".", Backspace (8) and 127 pass; Enter (13) moves
// the focus on as Tab does; every other key is dropped.
KeyAction frequency_key_action(int key_ascii);

// Whether a paste into a receive-frequency cell goes in: a text of digits with at most one point,
// as typing lets it through. Anything else leaves the cell as it was.
bool frequency_paste_allowed(std::string_view text);

}  // namespace m27
