// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sheet holds UTF-8; channel files hold GBK (code page 936). Both directions are strict:
// a text that does not convert whole gives nothing, never a text with pieces left out.

#include <optional>
#include <string>
#include <string_view>

namespace m27 {

// nullopt for invalid or incomplete GBK.
std::optional<std::string> gbk_to_utf8(std::string_view gbk);

// nullopt for invalid UTF-8 or a character GBK has no code for (an emoji, Thai, most
// letters of other scripts).
std::optional<std::string> utf8_to_gbk(std::string_view utf8);

}  // namespace m27
