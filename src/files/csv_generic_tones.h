// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tone columns of the generic layout mean for a channel's two tones, both ways.
//
// Tone    transmit                      receive
// ""      none                          none
// Tone    CTCSS rToneFreq               none
// TSQL    CTCSS cToneFreq               CTCSS cToneFreq
// DTCS    DCS DtcsCode                  DCS DtcsCode
// TSQL-R  none                          CTCSS rToneFreq      (read only, an older tool's mode)
// DTCS-R  none                          DCS DtcsCode         (read only, an older tool's mode)
// Cross   CrossMode "X->Y": transmit X, receive Y, each "Tone", "DTCS" or "" (none); transmit
//         Tone is rToneFreq and DTCS DtcsCode, receive Tone is cToneFreq and DTCS RxDtcsCode.
// A DCS code's polarity is a letter of DtcsPolarity, the first for transmit and the second for
// receive: N normal ("D023"), R inverted ("I023").

#include <string>
#include <utility>

#include "channels/tones.h"
#include "files/csv_problem.h"

namespace m27 {

// The tone columns of one row, as texts in the file.
struct GenericToneColumns {
  std::string tone;                  // Tone
  std::string r_tone = "88.5";       // rToneFreq
  std::string c_tone = "88.5";       // cToneFreq
  std::string dtcs = "023";          // DtcsCode
  std::string polarity = "NN";       // DtcsPolarity
  std::string rx_dtcs = "023";       // RxDtcsCode
  std::string cross = "Tone->Tone";  // CrossMode
  friend bool operator==(const GenericToneColumns&, const GenericToneColumns&) = default;
};

struct ChannelTones {
  std::string tx;  // entries of the mode's tone table: "OFF", "67.0", "D023", "I754"
  std::string rx;
  friend bool operator==(const ChannelTones&, const ChannelTones&) = default;
};

// The transmit and receive tone the columns give, from `mode`'s table. A problem names the
// column that holds the bad text (its header; the caller adds line and column number).
Checked<ChannelTones> generic_tones(const GenericToneColumns& columns, ToneMode mode);

// The columns that say two tones of a table in the simplest way: TSQL for one CTCSS tone both
// ways, DTCS for one DCS code both ways, Cross for the other pairs that have both; columns a row
// leaves unused keep their defaults.
GenericToneColumns generic_tone_columns(const ChannelTones& tones);

}  // namespace m27
