// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The CTCSS/DCS tone tables of the two operating modes and the conversions between a tone
// text and its byte on the wire.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace m27 {

enum class ToneMode { Normal, Professional };

// `tone_table`: the offered list of a mode, index = tone index ("OFF" is 0).
std::span<const std::string_view> tone_table(ToneMode mode);

// `tone_last`: the highest offered index, 99 normal, 265 professional.
int tone_last(ToneMode mode);

struct ToneCode {
  std::uint8_t code = 0;
  bool inverted = false;  // the channel flag of an inverted DCS code ("I023")
  friend bool operator==(const ToneCode&, const ToneCode&) = default;
};

// The wire code of a tone text: its index in the list, above 160 as index - 105 with the
// inversion flag. A text not in the list encodes as the list's length (100, or 161 inverted).
ToneCode tone_code(std::string_view text, std::span<const std::string_view> list);

// The tone text of a wire code; the empty text when the code points past the list.
std::string tone_text(ToneCode code, std::span<const std::string_view> list);

}  // namespace m27
