// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/key_ascii.h"

#include <QKeyEvent>

namespace m27 {

int key_ascii_of(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return -1;
    default:
      break;
  }
  const QString text = event.text();
  return text.isEmpty() ? -1 : text.front().unicode();
}

bool filter_key(const QKeyEvent& event, KeyAction (*filter)(int key_ascii),
                const std::function<void()>& move_focus) {
  const int key_ascii = key_ascii_of(event);
  if (key_ascii < 0) return false;
  switch (filter(key_ascii)) {
    case KeyAction::Pass:
      return false;
    case KeyAction::Drop:
      return true;
    case KeyAction::MoveFocus:
      move_focus();
      return true;
  }
  return true;
}

}  // namespace m27
