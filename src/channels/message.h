// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message box as the core decides it; the window shows it, the command line prints it.

#include <string>

namespace m27 {

enum class MessageIcon { None, Exclamation };

struct Message {
  std::string text;
  std::string title = {};  // empty: the program's default title
  MessageIcon icon = MessageIcon::None;
  friend bool operator==(const Message&, const Message&) = default;
};

// The form every refused input uses: title "注意" (attention) with the exclamation icon, for the
// texts not yet said in words.
Message attention(std::string text);

}  // namespace m27
