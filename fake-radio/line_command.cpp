// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake-radio/line_command.h"

#include <algorithm>
#include <vector>

#include "fake-radio/number.h"

namespace m27::fake {
namespace {

std::vector<std::string_view> words_of(std::string_view line) {
  constexpr std::string_view kBlanks = " \t\r";
  std::vector<std::string_view> words;
  for (std::size_t start = line.find_first_not_of(kBlanks); start != std::string_view::npos;
       start = line.find_first_not_of(kBlanks, start)) {
    const std::size_t end = std::min(line.find_first_of(kBlanks, start), line.size());
    words.push_back(line.substr(start, end - start));
    start = end;
  }
  return words;
}

std::optional<LineCommand> plug_command(const std::vector<std::string_view>& words,
                                        std::string& reason) {
  if (words.size() < 2 || words.size() > 3) {
    reason = "plug needs an ID and at most a fault";
    return std::nullopt;
  }
  Plug plug;
  const auto id = parse_id(words[1]);
  if (!id) {
    reason = "not an ID 0..4294967295: " + std::string(words[1]);
    return std::nullopt;
  }
  plug.id = *id;
  if (words.size() == 3) {
    plug.fault = parse_fault(words[2]);
    if (!plug.fault) {
      reason = "unknown fault " + std::string(words[2]);
      return std::nullopt;
    }
  }
  return plug;
}

}  // namespace

std::optional<LineCommand> parse_line_command(std::string_view line, std::string* error) {
  const auto words = words_of(line);
  std::string reason;
  std::optional<LineCommand> command;
  if (words.size() == 1 && words[0] == "unplug") {
    command = Unplug{};
  } else if (!words.empty() && words[0] == "plug") {
    command = plug_command(words, reason);
  } else {
    reason = "unknown command: " + std::string(line);
  }
  if (!command && error) *error = reason;
  return command;
}

}  // namespace m27::fake
