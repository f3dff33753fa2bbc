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

}  // namespace m27
