// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A channel file in memory: the 132 texts of the window's controls in file order. A file that
// ends early gives a record whose trailing fields are absent; an absent field leaves its
// control as it is.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "channels/sheet.h"
#include "channels/words.h"

namespace m27 {

inline constexpr int kChannelFileLines = 132;

using Column = std::array<std::optional<std::string>, kRows>;

struct ChannelFile {
  std::optional<std::string> mode;  // mode
  // The columns in file order, which is not the grid's order.
  Column rx_frequency;                       // receive frequency
  Column tx_frequency;                       // transmit frequency
  Column rx_tone;                            // receive tone
  Column tx_tone;                            // transmit tone
  Column bandwidth;                          // bandwidth
  std::optional<std::string> plan;           // frequency plan
  std::optional<std::string> channel_total;  // channel total
  std::optional<std::string> fill_step;      // fill step
  std::optional<std::string> transmit;       // transmit permission
  std::optional<std::string> busy_lockout;   // busy-channel lock-out
  std::optional<std::string> fsk;            // FSK

  friend bool operator==(const ChannelFile&, const ChannelFile&) = default;
};

// What the grid and the option boxes show, every field present.
ChannelFile channel_file_of(const Sheet& sheet);

// The 132 lines in file order; an absent field is an empty line.
std::vector<std::string> channel_file_lines(const ChannelFile& file);

// Line 1 is the mode; then the five columns fill row by row; the lines after them come in
// groups of six settings, and every further group sets the same six again, so the last value
// wins and a partial last group sets only the settings it reaches.
ChannelFile channel_file_from_lines(std::span<const std::string> lines);

// The first frequency line (2 to 51) that is neither empty nor digits with at most one point, as
// "第2行（接收频率）：“hello world”不是有效的频率". No cell holds such a text after a read, a fill
// or typing in the receive column, so a file that does is no channel file and is not opened;
// saving refuses it alike, so that every file the program writes opens again.
std::optional<Words> misplaced_frequency_line(std::span<const std::string> lines);

// The opening of a file: a present mode goes into mode and `change_mode` loads its tone
// list and resets every tone before the file's tones arrive; then every present field into its
// text; then `normalise_frequencies` and `enable_rows_in_use`.
void apply_channel_file(Sheet& sheet, const ChannelFile& file);

}  // namespace m27
