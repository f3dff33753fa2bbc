// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One undoable change of what the window edits: the sheet and the grid's state over it before
// and after, and the title a frequency plan gives the window. The change has already been made
// when the step is pushed.

#include <QString>
#include <QUndoCommand>
#include <functional>

#include "channels/sheet.h"
#include "ui/grid/grid_state.h"

namespace m27 {

struct EditState {
  Sheet sheet;
  GridState grid;
  QString title;  // the window's title before the file name: the program's or a plan's name
};

class SheetEdit : public QUndoCommand {
 public:
  using Restore = std::function<void(const EditState&)>;

  // Typing in one cell merges into one step while the cell stays the same: `cell` names it
  // (any number >= 0); other changes pass -1 and never merge.
  SheetEdit(const QString& text, EditState before, EditState after, Restore restore, int cell = -1);

  void undo() override;
  void redo() override;
  int id() const override;
  bool mergeWith(const QUndoCommand* other) override;

 private:
  EditState before_;
  EditState after_;
  Restore restore_;
  int cell_;
  bool done_ = true;  // the change was made before the step was pushed
};

}  // namespace m27
