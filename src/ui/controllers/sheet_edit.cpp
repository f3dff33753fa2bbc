// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/sheet_edit.h"

namespace m27 {
namespace {

constexpr int kCellTypingId = 1;

}  // namespace

SheetEdit::SheetEdit(const QString& text, EditState before, EditState after, Restore restore,
                     int cell)
    : QUndoCommand(text),
      before_(std::move(before)),
      after_(std::move(after)),
      restore_(std::move(restore)),
      cell_(cell) {}

void SheetEdit::undo() {
  restore_(before_);
  done_ = false;
}

// QUndoStack::push() redoes at once what the window has already done.
void SheetEdit::redo() {
  if (!done_) restore_(after_);
  done_ = true;
}

int SheetEdit::id() const { return cell_ >= 0 ? kCellTypingId : -1; }

bool SheetEdit::mergeWith(const QUndoCommand* other) {
  const auto* next = dynamic_cast<const SheetEdit*>(other);
  if (!next || next->cell_ != cell_) return false;
  after_ = next->after_;
  return true;
}

}  // namespace m27
