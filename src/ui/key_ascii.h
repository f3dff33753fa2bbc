#pragma once
// The key code a key press gives a text box's key filter, as the radio's programmers know them:
// 8 for Backspace, 13 for Enter, the character's code for a character key.

class QKeyEvent;

namespace m27 {

// -1 for keys that produce no character (arrows, Tab ...), which a filter leaves to the box.
int key_ascii_of(const QKeyEvent& event);

}  // namespace m27
