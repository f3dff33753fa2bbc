// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Holds a text box's pastes to the rule its typing follows: a paste from the keyboard, the
// context menu or the middle mouse button goes in only when the rule takes the pasted text, and
// nothing can be dropped on the box. Everything else the box does stays as it is.

#include <QClipboard>
#include <QObject>
#include <string_view>

class QLineEdit;
class QPoint;

namespace m27 {

class PasteFilter : public QObject {
 public:
  // Watches `box` (and is owned by it) from now on.
  PasteFilter(QLineEdit* box, bool (*allowed)(std::string_view text));

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void paste(QClipboard::Mode mode);
  void show_context_menu(const QPoint& global_position);

  QLineEdit* box_;
  bool (*allowed_)(std::string_view text);
};

}  // namespace m27
