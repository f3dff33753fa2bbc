// Undo and redo of what the window edits, and the title that names the file and marks unsaved
// changes with `*`.

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "ui/main_window.h"

namespace m27 {

void MainWindow::build_edit_menu(QMenu* menu) {
  undo_ = menu->addAction(QStringLiteral("撤销"), &undo_stack_, &QUndoStack::undo);
  undo_->setObjectName(QStringLiteral("undo"));
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_ = menu->addAction(QStringLiteral("重做"), &undo_stack_, &QUndoStack::redo);
  redo_->setObjectName(QStringLiteral("redo"));
  redo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
  connect(&undo_stack_, &QUndoStack::indexChanged, this, &MainWindow::enable_undo_redo);
  enable_undo_redo();
}

// Nothing is undone while an exchange uses the sheet.
void MainWindow::enable_undo_redo() {
  undo_->setEnabled(exchanges_->commands_enabled() && undo_stack_.canUndo());
  redo_->setEnabled(exchanges_->commands_enabled() && undo_stack_.canRedo());
}

void MainWindow::edit_sheet(const QString& what, const std::function<void()>& change, int cell) {
  EditState before = edit_state();
  change();
  EditState after = edit_state();
  if (channel_file_of(before.sheet) != channel_file_of(after.sheet) ||
      before.title != after.title) {
    undo_stack_.push(new SheetEdit(
        what, std::move(before), std::move(after),
        [this](const EditState& state) { restore(state); }, cell));
  }
  show_title();
}

EditState MainWindow::edit_state() const { return {sheet_, title_}; }

void MainWindow::restore(const EditState& state) {
  sheet_ = state.sheet;
  title_ = state.title;
  render_sheet();
}

bool MainWindow::unsaved_changes() const { return channel_file_of(sheet_) != unchanged_; }

void MainWindow::mark_unchanged(const QString& file_name) {
  unchanged_ = channel_file_of(sheet_);
  if (!file_name.isEmpty()) open_file_ = file_name;
  show_title();
}

// "写频软件 - shop.m27 *": the name once a file was opened or saved, `*` while it differs.
void MainWindow::show_title() {
  QString title = title_;
  if (!open_file_.isEmpty()) {
    title = title.trimmed() + QStringLiteral(" - ") + QFileInfo(open_file_).fileName();
  }
  if (unsaved_changes()) title = title.trimmed() + QStringLiteral(" *");
  setWindowTitle(title);
}

void MainWindow::apply_read_sheet(const Sheet& read) {
  edit_sheet(QStringLiteral("读取频率"), [&] { sheet_ = read; });
  render_sheet();
  mark_unchanged(QString());
}

}  // namespace m27
