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

}  // namespace m27
