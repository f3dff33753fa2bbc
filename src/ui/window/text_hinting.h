// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program's text is fitted to the pixel grid.

class QGuiApplication;

namespace m27 {

// Text is hinted by each font's own instructions, as Qt does where the desktop names no hint
// style. With fontconfig's usual "slight" style Qt runs FreeType's auto-hinter instead, which
// looks the same on a screen of this size but first scans every character of each font it hints
// (some 39 000 of a Chinese font): one window in eight of the start-up's work. A scaled screen
// keeps Qt's choice there, unhinted text.
void hint_text_by_fonts(QGuiApplication& app);

}  // namespace m27
