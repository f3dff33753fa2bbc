// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the main window edits, as texts: the 25-row channel table, the channel total and
// fill step, and the radio-wide options. The grid, the option boxes, the channel file, the codec
// and the checks all work on this one value; the window is a view bound to it, and keeps what
// is only its own (tab stops, open tone editors) beside it.

#include <array>
#include <string>

#include "channels/tones.h"

namespace m27 {

inline constexpr int kRows = 25;
// The radio holds 25 channels; a larger channel total it reports is shown as 25.
inline constexpr int kMaxChannelTotal = kRows;

inline constexpr std::string_view kWide = "宽带";
inline constexpr std::string_view kNarrow = "窄带";
inline constexpr std::string_view kToneOff = "OFF";

struct ChannelRow {
  std::string rx_frequency;  // receive frequency
  std::string rx_tone;       // receive tone
  std::string tx_frequency;  // transmit frequency
  std::string tx_tone;       // transmit tone
  std::string bandwidth;     // bandwidth, kWide or kNarrow
  // Raster of each frequency as the last raster check found it: 1 = 6.25 kHz, 0 = 5 kHz.
  int rx_step = 0;
  int tx_step = 0;
  bool enabled = true;  // rows below the channel total

  friend bool operator==(const ChannelRow&, const ChannelRow&) = default;
};

struct Sheet {
  std::array<ChannelRow, kRows> rows;
  std::string channel_total;  // channel total, "1" .. "25"
  std::string fill_step;      // fill step in kHz, "100" .. "900"
  std::string plan;           // frequency plan
  std::string mode;           // operating mode
  std::string transmit;       // transmit permission
  std::string busy_lockout;   // busy-channel lock-out
  std::string fsk;            // FSK
  int plan_index = 3;         // plan index, as `derive_plan_index` last derived it from plan
  // The table `tone_table` holds: set only by the mode change, the codec's reference lists.
  ToneMode tone_mode = ToneMode::Normal;

  friend bool operator==(const Sheet&, const Sheet&) = default;
};

// The state a freshly started window shows: default frequencies 450.12500 upward in 0.5 MHz
// steps, every tone "OFF", narrow band, 25 channels, fill step 100, normal mode, custom plan.
Sheet startup_sheet();

}  // namespace m27
