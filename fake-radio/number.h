// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain decimal numbers in arguments ("slow=250", "--delay 30", "plug 7").

#include <cstdint>
#include <optional>
#include <string_view>

namespace m27::fake {

// The value of a text of decimal digits only, 0..largest; nullopt for anything else.
std::optional<int> parse_count(std::string_view text, int largest);

// A radio ID, 0..4294967295, in decimal digits only; nullopt for anything else.
std::optional<std::uint32_t> parse_id(std::string_view text);

}  // namespace m27::fake
