#pragma once
// Everything the main window edits, as texts: the 25-row channel table, the channel total and
// fill step, and the radio-wide options. The grid, the option boxes, the channel file, the codec
// and the checks all work on this one value; the window is a view bound to it.

#include <array>
#include <optional>
#include <string>

#include "channels/tones.h"

namespace m27 {

inline constexpr int kRows = 25;

inline constexpr std::string_view kWide = "宽带";
inline constexpr std::string_view kNarrow = "窄带";
inline constexpr std::string_view kToneOff = "OFF";

struct ChannelRow {
  std::string Text1;  // receive frequency
  std::string Text5;  // receive tone
  std::string Text3;  // transmit frequency
  std::string Text2;  // transmit tone
  std::string Text4;  // bandwidth, kWide or kNarrow
  // Raster of each frequency as the last raster check found it: 1 = 6.25 kHz, 0 = 5 kHz.
  int rx_step = 0;
  int tx_step = 0;
  bool enabled = true;  // rows below the channel total
  bool Text1_tab_stop = true;
  bool Text3_tab_stop = true;
  // The tone editors laid over Text5/Text2: the editor's text while it is open.
  std::optional<std::string> Combo3;
  std::optional<std::string> Combo2;

  friend bool operator==(const ChannelRow&, const ChannelRow&) = default;
};

struct Sheet {
  std::array<ChannelRow, kRows> rows;
  std::string Combo2_60;  // channel total, "1" .. "25"
  std::string Combo2_62;  // fill step in kHz, "100" .. "900"
  std::string Combo1;     // frequency plan
  std::string Combo4;     // operating mode
  std::string Combo5;     // transmit permission
  std::string Combo6;     // busy-channel lock-out
  std::string Combo7;     // FSK
  int std_index = 3;      // plan index, as `chk_range` last derived it from Combo1
  // The table `tone_list` holds: set only by the mode change, the codec's reference lists.
  ToneMode tone_mode = ToneMode::Normal;

  friend bool operator==(const Sheet&, const Sheet&) = default;
};

// The state a freshly started window shows: default frequencies 450.12500 upward in 0.5 MHz
// steps, every tone "OFF", narrow band, 25 channels, fill step 100, normal mode, custom plan.
Sheet startup_sheet();

}  // namespace m27
