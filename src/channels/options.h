// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio-wide options above the grid and the operating-mode change.

#include <array>
#include <string_view>

#include "channels/sheet.h"

namespace m27 {

inline constexpr std::string_view kNormalMode = "1:普通模式";
inline constexpr std::string_view kProfessionalMode = "2:专业模式";
inline constexpr std::array<std::string_view, 2> kModeItems = {kNormalMode, kProfessionalMode};

inline constexpr std::string_view kTransmitAllowed = "允许";
inline constexpr std::string_view kTransmitForbidden = "禁止";
inline constexpr std::array<std::string_view, 2> kTransmitItems = {kTransmitAllowed,
                                                                   kTransmitForbidden};

inline constexpr std::string_view kSwitchOff = "关";
inline constexpr std::string_view kSwitchOn = "开";
inline constexpr std::array<std::string_view, 2> kSwitchItems = {kSwitchOff, kSwitchOn};

// The mode a mode text selects: professional exactly for "2:专业模式".
ToneMode mode_of(std::string_view mode);

// The mode change: loads the tone table of the mode mode shows, sets every tone of all 25
// rows to "OFF", then `normalise_frequencies`. It does not compare with the mode shown before:
// every run resets the tones.
void change_mode(Sheet& sheet);

}  // namespace m27
