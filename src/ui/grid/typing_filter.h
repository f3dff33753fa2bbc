// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key filter of a text box that takes only some characters (a receive frequency, the radio's
// ID), on Qt's own key events: Enter moves the focus on as Tab does; a key that types text goes
// in only when the box's rule takes that text; every other key stays the box's own — editing and
// moving keys, and the standard shortcuts (copy, cut, select all; a paste goes through the box's
// PasteFilter, undo and redo through the window).

#include <QKeyEvent>
#include <functional>
#include <string_view>

namespace m27 {

// Whether the key is used up: dropped, or moving the focus on (`move_focus`).
bool filter_typing(const QKeyEvent& event, bool (*allowed)(std::string_view text),
                   const std::function<void()>& move_focus);

}  // namespace m27
