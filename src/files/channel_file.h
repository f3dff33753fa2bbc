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

namespace m27 {

inline constexpr int kChannelFileLines = 132;

using Column = std::array<std::optional<std::string>, kRows>;

struct ChannelFile {
  std::optional<std::string> mode;  // Combo4
  // The columns in file order, which is not the grid's order.
  Column Text1;                          // receive frequency
  Column Text3;                          // transmit frequency
  Column Text5;                          // receive tone
  Column Text2;                          // transmit tone
  Column Text4;                          // bandwidth
  std::optional<std::string> Combo1;     // frequency plan
  std::optional<std::string> Combo2_60;  // channel total
  std::optional<std::string> Combo2_62;  // fill step
  std::optional<std::string> Combo5;     // transmit permission
  std::optional<std::string> Combo6;     // busy-channel lock-out
  std::optional<std::string> Combo7;     // FSK

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

// The opening of a file: a present mode goes into Combo4 and `Combo4_Click` loads its tone
// list and resets every tone before the file's tones arrive; then every present field into its
// text; then `RESET_TEXT`, the frequency cells lose their tab stops, and `RESET_Ch_Sel`.
void apply_channel_file(Sheet& sheet, const ChannelFile& file);

}  // namespace m27
