// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/grid_edit.h"

#include <algorithm>

#include "channels/channel_table.h"
#include "channels/frequency.h"
#include "channels/validation.h"

namespace m27 {
namespace {

void follow_editor_choice(Sheet& sheet) {
  enable_rows_in_use(sheet);
  normalise_frequencies(sheet);
}

}  // namespace

void frequency_click(Sheet& sheet) {
  for (ChannelRow& row : sheet.rows) {
    row.rx_tab_stop = true;
    row.rx_frequency = format_frequency(row.rx_frequency);
  }
  commit_edits(sheet);
}

void receive_frequency_double_click(Sheet& sheet) {
  derive_plan_index(sheet);
  for (ChannelRow& row : sheet.rows) row.rx_tab_stop = true;
}

void background_double_click(Sheet& sheet) {
  for (ChannelRow& row : sheet.rows) {
    row.rx_tab_stop = true;
    row.tx_tab_stop = true;
  }
}

void clear_frequency_tab_stops(Sheet& sheet) {
  for (ChannelRow& row : sheet.rows) {
    row.rx_tab_stop = false;
    row.tx_tab_stop = false;
  }
}

void open_tx_tone_editor(Sheet& sheet, int k) {
  for (ChannelRow& row : sheet.rows) row.rx_frequency = format_frequency(row.rx_frequency);
  for (ChannelRow& row : sheet.rows) commit_tone_editor(row.tx_tone_editor, row.tx_tone);
  sheet.rows[k].tx_tone_editor = sheet.rows[k].tx_tone;
}

void open_rx_tone_editor(Sheet& sheet, int k) {
  for (ChannelRow& row : sheet.rows) {
    row.rx_frequency = format_frequency(row.rx_frequency);
    row.tx_frequency = format_frequency(row.tx_frequency);
  }
  for (ChannelRow& row : sheet.rows) commit_tone_editor(row.rx_tone_editor, row.rx_tone);
  sheet.rows[k].rx_tone_editor = sheet.rows[k].rx_tone;
}

void choose_in_box(Sheet& sheet, int index, std::string_view text) {
  if (index == kChannelTotalBox) {
    sheet.channel_total = text;
  } else if (index == kFillStepBox) {
    sheet.fill_step = text;
  } else if (index >= 0 && index < kRows && sheet.rows[index].tx_tone_editor) {
    sheet.rows[index].tx_tone_editor = std::string(text);
  }
  follow_editor_choice(sheet);
}

void change_rx_tone_editor(Sheet& sheet, int k, std::string_view text) {
  if (k >= 0 && k < kRows && sheet.rows[k].rx_tone_editor)
    sheet.rows[k].rx_tone_editor = std::string(text);
  follow_editor_choice(sheet);
}

std::string toggled_bandwidth(std::string_view bandwidth) {
  return std::string(bandwidth == kWide ? kNarrow : kWide);
}

KeyAction frequency_key_action(int key_ascii) {
  if ((key_ascii >= '0' && key_ascii <= '9') || key_ascii == '.' || key_ascii == kBackspaceKey ||
      key_ascii == kDeleteKey) {
    return KeyAction::Pass;
  }
  return key_ascii == kEnterKey ? KeyAction::MoveFocus : KeyAction::Drop;
}

bool frequency_paste_allowed(std::string_view text) {
  const bool digits_and_points = std::all_of(
      text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
  return !text.empty() && digits_and_points && std::count(text.begin(), text.end(), '.') <= 1;
}

}  // namespace m27
