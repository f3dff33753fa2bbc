// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the channel grid shows over the sheet that is only its own: which frequency cells the Tab
// key (and Enter in a receive-frequency cell) lands on, and the tone editor open over a tone cell
// with the text chosen in it, which reaches the cell only when the editor commits. Plain values,
// kept by the window beside its sheet, so that an undo step restores them with it; the rules
// below are the grid's, on both.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "channels/sheet.h"

namespace m27 {

struct GridRowState {
  bool rx_tab_stop = true;
  bool tx_tab_stop = true;
  std::optional<std::string> rx_tone_editor;  // the editor's text while it is open
  std::optional<std::string> tx_tone_editor;

  friend bool operator==(const GridRowState&, const GridRowState&) = default;
};

// At start-up: every frequency cell a tab stop, every tone editor closed.
using GridState = std::array<GridRowState, kRows>;

// Every open tone editor puts its text into its cell and closes.
void commit_tone_editors(Sheet& sheet, GridState& grid);

// Every frequency checked and formatted (`normalise_frequencies`), then `commit_tone_editors`:
// what the program does after most actions, and before a save or an export.
void commit_edits(Sheet& sheet, GridState& grid);

// Every tone editor closes and what was chosen in it is dropped: the tones it stood over were
// replaced (a read applied, a file opened or imported, the mode changed).
void close_tone_editors(GridState& grid);

// The tab stops of every frequency cell: on after a plan and a double-click on the window's
// background, off after a channel file was opened or saved.
void set_frequency_tab_stops(GridState& grid, bool on);

// A click on any frequency cell: receive cells become tab stops and are formatted, then
// `commit_edits`.
void frequency_click(Sheet& sheet, GridState& grid);

// A double-click on a receive-frequency cell: `derive_plan_index`, receive cells become tab stops.
void receive_frequency_double_click(Sheet& sheet, GridState& grid);

// A click on the transmit tone of row k: open transmit editors commit and close, then row k's
// editor opens with the cell's text. Receive frequencies are formatted first.
void open_tx_tone_editor(Sheet& sheet, GridState& grid, int k);

// The same for the receive tone of row k; both frequency columns are formatted first. Neither
// touches the editors of the other tone column.
void open_rx_tone_editor(Sheet& sheet, GridState& grid, int k);

// A choice in the open transmit-tone editor of row k, or a choice or typed change in the open
// receive-tone editor of row k: the editor holds it, then `follow_choice`.
void choose_in_tx_tone_editor(Sheet& sheet, GridState& grid, int k, std::string_view text);
void change_rx_tone_editor(Sheet& sheet, GridState& grid, int k, std::string_view text);

}  // namespace m27
