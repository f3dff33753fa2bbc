#include "channels/channel_table.h"

#include "channels/decimal.h"
#include "channels/frequency.h"
#include "channels/validation.h"

namespace m27 {
namespace {

constexpr FreqUnits kDefaultFirst = 450'125 * kUnitsPerMHz / 1000;
constexpr FreqUnits kDefaultSpacing = kUnitsPerMHz / 2;
constexpr int kStepDecimals = 2;  // fill step kHz -> 10 Hz units

std::optional<Message> fill_column(Sheet& sheet, std::string ChannelRow::*column) {
  const auto first = frequency_value(sheet.rows[0].*column);
  const auto step = parse_decimal(sheet.Combo2_62, kStepDecimals);
  if (!first || !step) return frequency_error(0);
  for (int i = 0; i < kRows; ++i) {
    sheet.rows[i].*column = frequency_text(*first + *step * i);
  }
  return std::nullopt;
}

}  // namespace

void commit_tone_editor(std::optional<std::string>& editor, std::string& cell) {
  if (editor) cell = *editor;
  editor.reset();
}

void Set_Def_Freq(Sheet& sheet) {
  for (int i = 0; i < kRows; ++i) {
    ChannelRow& row = sheet.rows[i];
    row.Text1 = frequency_text(kDefaultFirst + kDefaultSpacing * i);
    row.Text3 = row.Text1;
    row.Text1_tab_stop = true;
    row.Text3_tab_stop = true;
  }
}

void RESET_FER(Sheet& sheet) {
  chk_step(sheet);
  for (ChannelRow& row : sheet.rows) {
    row.Text1 = format_frequency(row.Text1);
    row.Text3 = format_frequency(row.Text3);
  }
}

void RESET_Ch_Sel(Sheet& sheet) {
  const auto total = integer_value(sheet.Combo2_60);
  if (!total) return;
  for (int i = 0; i < kRows; ++i) sheet.rows[i].enabled = i < *total;
}

void RESET_TEXT(Sheet& sheet) {
  RESET_FER(sheet);
  for (ChannelRow& row : sheet.rows) {
    commit_tone_editor(row.Combo2, row.Text2);
    commit_tone_editor(row.Combo3, row.Text5);
  }
}

std::optional<Message> Command9_Click(Sheet& sheet) {
  return fill_column(sheet, &ChannelRow::Text1);
}

std::optional<Message> Command10_Click(Sheet& sheet) {
  return fill_column(sheet, &ChannelRow::Text3);
}

Message frequency_error(int row) {
  return attention("第" + std::to_string(row + 1) + "信道频率输入错误，请重新输入");
}

std::vector<std::string> channel_total_items() {
  std::vector<std::string> items;
  for (int n = 1; n <= kRows; ++n) items.push_back(std::to_string(n));
  return items;
}

std::vector<std::string> fill_step_items() {
  std::vector<std::string> items;
  for (int k = 100; k <= 900; k += 100) items.push_back(std::to_string(k));
  return items;
}

}  // namespace m27
