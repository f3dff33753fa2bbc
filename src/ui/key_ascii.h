// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key code a key press gives a text box's key filter, as the radio's programmers know them:
// 8 for Backspace, 13 for Enter, the character's code for a character key.

#include <functional>

#include "channels/grid_edit.h"

class QKeyEvent;

namespace m27 {

// -1 for keys that produce no character (arrows, Tab ...), which a filter leaves to the box.
int key_ascii_of(const QKeyEvent& event);

// Runs a key filter of the core (`frequency_key_action`, `id_key_filter`) on a key press. Returns
// true when the key is used up: dropped, or moving the focus on (`move_focus`) as Tab would.
bool filter_key(const QKeyEvent& event, KeyAction (*filter)(int key_ascii),
                const std::function<void()>& move_focus);

}  // namespace m27
