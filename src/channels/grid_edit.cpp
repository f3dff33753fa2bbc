// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/grid_edit.h"

#include "channels/channel_table.h"

namespace m27 {

void follow_choice(Sheet& sheet) {
  enable_rows_in_use(sheet);
  normalise_frequencies(sheet);
}

void choose_channel_total(Sheet& sheet, std::string_view text) {
  sheet.channel_total = text;
  follow_choice(sheet);
}

void choose_fill_step(Sheet& sheet, std::string_view text) {
  sheet.fill_step = text;
  follow_choice(sheet);
}

std::string toggled_bandwidth(std::string_view bandwidth) {
  return std::string(bandwidth == kWide ? kNarrow : kWide);
}

bool frequency_input_allowed(std::string_view text) {
  return !text.empty() && digits_with_at_most_one_point(text);
}

std::vector<std::string> pasted_values(std::string_view text) {
  if (text.ends_with('\n')) text.remove_suffix(1);
  if (text.ends_with('\r')) text.remove_suffix(1);
  std::vector<std::string> values;
  while (true) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    values.emplace_back(line.substr(0, line.find('\t')));
    if (end == std::string_view::npos) return values;
    text.remove_prefix(end + 1);
  }
}

std::optional<std::string> paste_frequencies(Sheet& sheet, std::string ChannelRow::*field, int row,
                                             const std::vector<std::string>& values) {
  for (const std::string& value : values) {
    if (row >= kRows || !sheet.rows[row].enabled) return std::nullopt;
    if (!frequency_input_allowed(value) || value.size() > kMaxFrequencyLength) {
      return "第" + std::to_string(row + 1) + "信道：“" + value + "”不是有效的频率";
    }
    sheet.rows[row++].*field = value;
  }
  return std::nullopt;
}

}  // namespace m27
