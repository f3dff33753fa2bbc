// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A UTF-8 text cut to the columns of a terminal: a Chinese or other full-width character takes
// two, any other one. The table is the program's own, so it holds under any locale (the C library's
// wcwidth knows no Chinese under the C locale).

#include <cstddef>
#include <string>
#include <string_view>

namespace m27 {

// The longest start of `text` that takes at most `columns` columns, never half a character.
std::string cut_to_columns(std::string_view text, std::size_t columns);

}  // namespace m27
