// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines m27-fake-radio takes on its standard input, which swap the radio on the line:
//   unplug             the radio goes: nothing answers
//   plug ID [FAULT]    a fresh radio in the factory state with this ID (0..4294967295) answers,
//                      with FAULT (as --fault takes it) instead of the one it was started with

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "fake-radio/fault.h"

namespace m27::fake {

struct Unplug {
  friend bool operator==(const Unplug&, const Unplug&) = default;
};
struct Plug {
  std::uint32_t id = 0;
  std::optional<Fault> fault = {};
  friend bool operator==(const Plug&, const Plug&) = default;
};
using LineCommand = std::variant<Unplug, Plug>;

// The command of one line (its line break removed; blanks around words are ignored); nullopt,
// with the reason in *error, for anything else.
std::optional<LineCommand> parse_line_command(std::string_view line, std::string* error);

}  // namespace m27::fake
