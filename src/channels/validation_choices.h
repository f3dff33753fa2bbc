// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the radio can hold besides the frequencies: a tone of the current mode's table, a
// bandwidth of "宽带" or "窄带", and for every option box the option record carries one of the
// box's items. A text the radio cannot hold would be sent as some other value, so the check
// before a write refuses it; an import asks the same questions.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "channels/sheet.h"
#include "channels/words.h"

namespace m27 {

// Whether the tone table of `mode` holds `tone` ("OFF" included).
bool tone_held(std::string_view tone, ToneMode mode);

// Whether `bandwidth` is "宽带" or "窄带".
bool bandwidth_held(std::string_view bandwidth);

// An option box whose text goes into the option record: its label in the window, its text in
// the sheet and the test whether a text is one of its items.
struct OptionBox {
  Words label;
  std::string Sheet::*text;
  bool (*holds)(std::string_view text);
};

// The plan, mode, transmit, busy lock-out, FSK and channel-total boxes, in the window's order.
std::span<const OptionBox> option_boxes();

// "第3信道亚音输入错误，请重新输入" for row 2 (0-based), in the style of every refused input.
Notice tone_error(int row);
// "第3信道带宽输入错误，请重新输入" for row 2.
Notice bandwidth_error(int row);
// "信道总数输入错误，请重新输入" for the box labelled "信道总数".
Notice option_error(Words label);

// The first row (0 .. 24) whose receive or transmit tone the sheet's tone table does not hold,
// else the first row whose bandwidth is neither "宽带" nor "窄带", else the first option box
// whose text is none of its items, as the message that refuses the write.
std::optional<Notice> choice_error(const Sheet& sheet);

}  // namespace m27
