// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values a CSV row may give a channel: only what the grid could hold and the check before a
// write would pass. Each check gives the text the grid is to hold, or what is wrong with it;
// a value that makes sense but is beyond this radio is marked unfit.

#include <string>
#include <string_view>

#include "channels/frequency.h"
#include "channels/tones.h"
#include "files/csv_problem.h"

namespace m27 {

// One channel as a CSV row gives it, in the grid's column order.
struct CsvChannel {
  std::string rx_frequency;
  std::string rx_tone;
  std::string tx_frequency;
  std::string tx_tone;
  std::string bandwidth;
  friend bool operator==(const CsvChannel&, const CsvChannel&) = default;
};

// A receive frequency as the cell's key filter admits it (digits and one point, at most 9
// characters) within 400..490 MHz (unfit outside), kept as written: the raster check moves it at
// the next write.
Checked<std::string> csv_receive_frequency(std::string_view text);

// A transmit frequency in the same form that the radio can hold once the raster check has run
// (unfit when it cannot).
Checked<std::string> csv_transmit_frequency(std::string_view text);

// The same for a frequency read exactly, in the grid's "000.00000" form: a receive frequency
// within 400..490 MHz, a transmit frequency the radio can hold (both unfit otherwise).
Checked<std::string> csv_receive_frequency(FreqUnits f);
Checked<std::string> csv_transmit_frequency(FreqUnits f);

// The entry of the mode's tone table that `text` names: the entry itself ("OFF", "D023", "I023",
// in any case) or a CTCSS tone of the same value ("100.0" is "100", "67" is "67.0"). A number or
// a DCS code the table lacks is unfit.
Checked<std::string> csv_tone(std::string_view text, ToneMode mode);

// "宽带" or "窄带", also as the English words "Wide" and "Narrow" (or "Wideband", "W"...) in any
// case: the grid holds the channel file's word either way.
Checked<std::string> csv_bandwidth(std::string_view text);

}  // namespace m27
