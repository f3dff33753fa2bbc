// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/typing_filter.h"

#include <algorithm>

namespace m27 {

bool filter_typing(const QKeyEvent& event, bool (*allowed)(std::string_view text),
                   const std::function<void()>& move_focus) {
  if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
    move_focus();
    return true;
  }
  // A key with Control (or Command) held is a shortcut, unless Alt is held too: that is AltGr
  // on some systems, which types. Backspace, Delete and Tab bring a control character, the
  // arrows none.
  const Qt::KeyboardModifiers held = event.modifiers();
  const bool shortcut =
      (held & (Qt::ControlModifier | Qt::MetaModifier)) && !(held & Qt::AltModifier);
  const QString text = event.text();
  const bool types = !shortcut && !text.isEmpty() &&
                     std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
  return types && !allowed(text.toStdString());
}

}  // namespace m27
