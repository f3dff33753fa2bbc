// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain decimal numbers in arguments ("slow=250", "--delay 30").

#include <optional>
#include <string_view>

namespace m27::fake {

// The value of a text of decimal digits only, 0..largest; nullopt for anything else.
std::optional<int> parse_count(std::string_view text, int largest);

}  // namespace m27::fake
