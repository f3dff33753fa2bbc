// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Holds a frequency cell's pastes to its rule: a paste from the keyboard, the context menu or
// the middle mouse button never brings a line break or a tab (see `pasted_values`). One line
// goes in where the cursor is when the rule takes it; several lines (a column copied from a
// spreadsheet) go to `paste_lines` whole. Nothing can be dropped on the cell. Everything else it
// does stays as it is.

#include <QClipboard>
#include <QObject>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QLineEdit;
class QPoint;

namespace m27 {

class PasteFilter : public QObject {
 public:
  using LinesPasted = std::function<void(const std::vector<std::string>& lines)>;

  // Watches `box` (and is owned by it) from now on.
  PasteFilter(QLineEdit* box, bool (*allowed)(std::string_view text), LinesPasted paste_lines);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void paste(QClipboard::Mode mode);
  void show_context_menu(const QPoint& global_position);

  QLineEdit* box_;
  bool (*allowed_)(std::string_view text);
  LinesPasted paste_lines_;
};

}  // namespace m27
