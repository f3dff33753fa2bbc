// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/grid_state.h"

#include "channels/channel_table.h"
#include "channels/frequency.h"
#include "channels/grid_edit.h"
#include "channels/validation.h"

namespace m27 {
namespace {

void commit(std::optional<std::string>& editor, std::string& cell) {
  if (editor) cell = *editor;
  editor.reset();
}

void change_open_editor(Sheet& sheet, std::optional<std::string>& editor, std::string_view text) {
  if (editor) *editor = text;
  follow_choice(sheet);
}

void format_column(Sheet& sheet, std::string ChannelRow::*column) {
  for (ChannelRow& row : sheet.rows) row.*column = format_frequency(row.*column);
}

}  // namespace

void commit_tone_editors(Sheet& sheet, GridState& grid) {
  for (int r = 0; r < kRows; ++r) {
    commit(grid[r].tx_tone_editor, sheet.rows[r].tx_tone);
    commit(grid[r].rx_tone_editor, sheet.rows[r].rx_tone);
  }
}

void commit_edits(Sheet& sheet, GridState& grid) {
  normalise_frequencies(sheet);
  commit_tone_editors(sheet, grid);
}

void close_tone_editors(GridState& grid) {
  for (GridRowState& row : grid) {
    row.rx_tone_editor.reset();
    row.tx_tone_editor.reset();
  }
}

void set_frequency_tab_stops(GridState& grid, bool on) {
  for (GridRowState& row : grid) row.rx_tab_stop = row.tx_tab_stop = on;
}

void frequency_click(Sheet& sheet, GridState& grid) {
  for (GridRowState& row : grid) row.rx_tab_stop = true;
  format_column(sheet, &ChannelRow::rx_frequency);
  commit_edits(sheet, grid);
}

void receive_frequency_double_click(Sheet& sheet, GridState& grid) {
  derive_plan_index(sheet);
  for (GridRowState& row : grid) row.rx_tab_stop = true;
}

void open_tx_tone_editor(Sheet& sheet, GridState& grid, int k) {
  format_column(sheet, &ChannelRow::rx_frequency);
  for (int r = 0; r < kRows; ++r) commit(grid[r].tx_tone_editor, sheet.rows[r].tx_tone);
  grid[k].tx_tone_editor = sheet.rows[k].tx_tone;
}

void open_rx_tone_editor(Sheet& sheet, GridState& grid, int k) {
  format_column(sheet, &ChannelRow::rx_frequency);
  format_column(sheet, &ChannelRow::tx_frequency);
  for (int r = 0; r < kRows; ++r) commit(grid[r].rx_tone_editor, sheet.rows[r].rx_tone);
  grid[k].rx_tone_editor = sheet.rows[k].rx_tone;
}

void choose_in_tx_tone_editor(Sheet& sheet, GridState& grid, int k, std::string_view text) {
  change_open_editor(sheet, grid[k].tx_tone_editor, text);
}

void change_rx_tone_editor(Sheet& sheet, GridState& grid, int k, std::string_view text) {
  change_open_editor(sheet, grid[k].rx_tone_editor, text);
}

}  // namespace m27
