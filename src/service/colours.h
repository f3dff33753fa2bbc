// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two lamp colours of the service dialogs, as numbers 0x00BBGGRR.

#include <cstdint>

namespace m27 {

inline constexpr std::uint32_t kRed = 0x0000FF;
inline constexpr std::uint32_t kGreen = 0x00FF00;

}  // namespace m27
