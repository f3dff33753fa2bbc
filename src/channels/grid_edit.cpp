#include "channels/grid_edit.h"

#include <algorithm>

#include "channels/channel_table.h"
#include "channels/frequency.h"
#include "channels/validation.h"

namespace m27 {
namespace {

constexpr int kChannelTotalIndex = 60;
constexpr int kFillStepIndex = 62;
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kDelete = 127;

void follow_editor_choice(Sheet& sheet) {
  RESET_Ch_Sel(sheet);
  RESET_FER(sheet);
}

}  // namespace

void frequency_click(Sheet& sheet) {
  for (ChannelRow& row : sheet.rows) {
    row.Text1_tab_stop = true;
    row.Text1 = format_frequency(row.Text1);
  }
  RESET_TEXT(sheet);
}

void receive_frequency_double_click(Sheet& sheet) {
  chk_range(sheet);
  for (ChannelRow& row : sheet.rows) row.Text1_tab_stop = true;
}

void background_double_click(Sheet& sheet) {
  for (ChannelRow& row : sheet.rows) {
    row.Text1_tab_stop = true;
    row.Text3_tab_stop = true;
  }
}

void clear_frequency_tab_stops(Sheet& sheet) {
  for (ChannelRow& row : sheet.rows) {
    row.Text1_tab_stop = false;
    row.Text3_tab_stop = false;
  }
}

void open_tx_tone_editor(Sheet& sheet, int k) {
  for (ChannelRow& row : sheet.rows) row.Text1 = format_frequency(row.Text1);
  for (ChannelRow& row : sheet.rows) commit_tone_editor(row.Combo2, row.Text2);
  sheet.rows[k].Combo2 = sheet.rows[k].Text2;
}

void open_rx_tone_editor(Sheet& sheet, int k) {
  for (ChannelRow& row : sheet.rows) {
    row.Text1 = format_frequency(row.Text1);
    row.Text3 = format_frequency(row.Text3);
  }
  for (ChannelRow& row : sheet.rows) commit_tone_editor(row.Combo3, row.Text5);
  sheet.rows[k].Combo3 = sheet.rows[k].Text5;
}

void Combo2_Click(Sheet& sheet, int index, std::string_view text) {
  if (index == kChannelTotalIndex) {
    sheet.Combo2_60 = text;
  } else if (index == kFillStepIndex) {
    sheet.Combo2_62 = text;
  } else if (index >= 0 && index < kRows && sheet.rows[index].Combo2) {
    sheet.rows[index].Combo2 = std::string(text);
  }
  follow_editor_choice(sheet);
}

void Combo3_Change(Sheet& sheet, int k, std::string_view text) {
  if (k >= 0 && k < kRows && sheet.rows[k].Combo3) sheet.rows[k].Combo3 = std::string(text);
  follow_editor_choice(sheet);
}

std::string toggled_bandwidth(std::string_view Text4) {
  return std::string(Text4 == kWide ? kNarrow : kWide);
}

KeyAction Text1_KeyPress(int key_ascii) {
  if ((key_ascii >= '0' && key_ascii <= '9') || key_ascii == '.' || key_ascii == kBackspace ||
      key_ascii == kDelete) {
    return KeyAction::Pass;
  }
  return key_ascii == kEnter ? KeyAction::MoveFocus : KeyAction::Drop;
}

bool Text1_paste_allowed(std::string_view text) {
  const bool digits_and_points = std::all_of(
      text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
  return !text.empty() && digits_and_points && std::count(text.begin(), text.end(), '.') <= 1;
}

}  // namespace m27
