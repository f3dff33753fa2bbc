// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers a user types into the service dialogs' fields.

#include <cstdint>
#include <optional>
#include <string_view>

namespace m27 {

// The value of a text made of decimal digits only ("0", "042", "4294967295"); nothing for an
// empty text, a sign, a blank, a point or any other character, or a value above 4294967295.
std::optional<std::uint32_t> digits_value(std::string_view text);

}  // namespace m27
