// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/options.h"

#include "channels/channel_table.h"

namespace m27 {

ToneMode mode_of(std::string_view mode) {
  return mode == kProfessionalMode ? ToneMode::Professional : ToneMode::Normal;
}

void change_mode(Sheet& sheet) {
  sheet.tone_mode = mode_of(sheet.mode);
  for (ChannelRow& row : sheet.rows) {
    row.tx_tone = kToneOff;
    row.rx_tone = kToneOff;
  }
  normalise_frequencies(sheet);
}

}  // namespace m27
