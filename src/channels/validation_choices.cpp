// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/validation_choices.h"

#include <algorithm>
#include <array>
#include <vector>

#include "channels/cell_rule.h"
#include "channels/channel_table.h"
#include "channels/options.h"
#include "channels/plans.h"

namespace m27 {
namespace {

template <std::size_t Size>
bool one_of(const std::array<std::string_view, Size>& items, std::string_view text) {
  return std::find(items.begin(), items.end(), text) != items.end();
}

bool channel_total_held(std::string_view text) {
  const std::vector<std::string> items = channel_total_items();
  return std::find(items.begin(), items.end(), text) != items.end();
}

const std::array<OptionBox, 6> kOptionBoxes = {{
    {M27_WORDS("channels", "频率选择"), &Sheet::plan,
     [](std::string_view t) { return one_of(kPlanItems, t); }},
    {M27_WORDS("channels", "模式选择"), &Sheet::mode,
     [](std::string_view t) { return one_of(kModeItems, t); }},
    {M27_WORDS("channels", "发射"), &Sheet::transmit,
     [](std::string_view t) { return one_of(kTransmitItems, t); }},
    {M27_WORDS("channels", "遇忙禁发"), &Sheet::busy_lockout,
     [](std::string_view t) { return one_of(kSwitchItems, t); }},
    {as_is("FSK"), &Sheet::fsk, [](std::string_view t) { return one_of(kSwitchItems, t); }},
    {M27_WORDS("channels", "信道总数"), &Sheet::channel_total, channel_total_held},
}};

}  // namespace

bool tone_held(std::string_view tone, ToneMode mode) {
  const auto tones = tone_table(mode);
  return std::find(tones.begin(), tones.end(), tone) != tones.end();
}

bool bandwidth_held(std::string_view bandwidth) {
  return bandwidth == kWide || bandwidth == kNarrow;
}

std::span<const OptionBox> option_boxes() { return kOptionBoxes; }

Notice tone_error(int row) {
  return attention(M27_WORDS("channels", "第%1信道亚音输入错误，请重新输入").arg(row + 1));
}

Notice bandwidth_error(int row) {
  return attention(M27_WORDS("channels", "第%1信道带宽输入错误，请重新输入").arg(row + 1));
}

Notice option_error(Words label) {
  return attention(M27_WORDS("channels", "%1输入错误，请重新输入").arg(std::move(label)));
}

std::optional<Notice> choice_error(const Sheet& sheet) {
  for (int i = 0; i < kRows; ++i) {
    if (cell_fault(sheet, i, Cell::rx_tone) != CellFault::none ||
        cell_fault(sheet, i, Cell::tx_tone) != CellFault::none) {
      return tone_error(i);
    }
  }
  for (int i = 0; i < kRows; ++i) {
    if (cell_fault(sheet, i, Cell::bandwidth) != CellFault::none) return bandwidth_error(i);
  }
  for (const OptionBox& box : kOptionBoxes) {
    if (!box.holds(sheet.*box.text)) return option_error(box.label);
  }
  return std::nullopt;
}

}  // namespace m27
