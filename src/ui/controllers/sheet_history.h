// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo and redo of what the window edits, what the sheet is compared with for unsaved changes,
// and the window's title that names the file and marks unsaved changes with `*`.

#include <QObject>
#include <QUndoStack>
#include <functional>

#include "files/channel_file.h"
#include "ui/controllers/sheet_edit.h"

class QAction;
class QMenu;
class QWidget;

namespace m27 {

class SheetHistory : public QObject {
  Q_OBJECT

 public:
  // `sheet` and `grid` are the window's; `render` shows them again; the title goes on `window`.
  // `title`: the program's name.
  SheetHistory(Sheet& sheet, GridState& grid, QWidget* window, std::function<void()> render,
               QString title);

  // "撤销(&U)" and "重做(&R)" in `menu`.
  void build_menu(QMenu* menu);
  // Nothing is undone or redone while an exchange uses the sheet.
  void set_commands_enabled(bool enabled);

  // Makes `change` to the sheet one undoable step named `what`, unless it leaves the file's
  // content and the title as they were. `cell` >= 0 merges typing into one cell.
  void edit(const QString& what, const std::function<void()>& change, int cell = -1);
  // The name of the plan last applied replaces the program's name (inside an edit).
  void set_title(QString title) { title_ = std::move(title); }
  // Whether the sheet differs from what was last opened, saved or read.
  bool unsaved_changes() const;
  // What was opened, saved or read last: the sheet is compared with it from now on.
  void mark_unchanged(const QString& file_name);
  // A file cut short was opened: the sheet holds more than the file, so it counts as changed
  // until it is saved.
  void mark_cut_short(const QString& file_name);
  // An opened file starts a new history.
  void clear() { undo_stack_.clear(); }
  // A completed read replaces the sheet in one undoable step (the tone editors closed over the
  // tones it replaced) and becomes what the sheet is compared with.
  void apply_read_sheet(const Sheet& read);
  // The file last opened or saved; empty before the first.
  const QString& open_file() const { return open_file_; }
  // "写频软件 - shop.m27 *": the name once a file was opened or saved, `*` while it differs.
  void show_title();

 private:
  void enable_undo_redo();
  void restore(const EditState& state);

  Sheet& sheet_;
  GridState& grid_;
  QWidget* window_;
  std::function<void()> render_;
  QString title_;          // the program's name, or the name of the plan last applied
  QString open_file_;      // the file last opened or saved, named in the title
  ChannelFile unchanged_;  // the sheet's content as last opened, saved or read; else nothing
  QUndoStack undo_stack_;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  bool commands_enabled_ = true;
};

}  // namespace m27
