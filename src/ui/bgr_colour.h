// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as the service core gives them, numbers 0x00BBGGRR, on the screen.

#include <QColor>
#include <cstdint>

namespace m27 {

inline QColor from_bgr(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>(bgr >> 8 & 0xFF),
                static_cast<int>(bgr >> 16 & 0xFF));
}

inline std::uint32_t to_bgr(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.blue()) << 16 |
         static_cast<std::uint32_t>(colour.green()) << 8 | static_cast<std::uint32_t>(colour.red());
}

}  // namespace m27
