// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/sheet_history.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QWidget>

#include "ui/window/caption.h"
#include "ui/window/shown_words.h"

namespace m27 {

SheetHistory::SheetHistory(Sheet& sheet, GridState& grid, QWidget* window,
                           std::function<void()> render, QString title)
    : QObject(window),
      sheet_(sheet),
      grid_(grid),
      window_(window),
      render_(std::move(render)),
      title_(std::move(title)) {}

void SheetHistory::build_menu(QMenu* menu) {
  undo_ = menu->addAction(QString(), &undo_stack_, &QUndoStack::undo);
  set_caption(undo_, QT_TR_NOOP("撤销(&U)"), "m27::SheetHistory");
  undo_->setObjectName(QStringLiteral("undo"));
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_ = menu->addAction(QString(), &undo_stack_, &QUndoStack::redo);
  set_caption(redo_, QT_TR_NOOP("重做(&R)"), "m27::SheetHistory");
  redo_->setObjectName(QStringLiteral("redo"));
  redo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
  connect(&undo_stack_, &QUndoStack::indexChanged, this, &SheetHistory::enable_undo_redo);
  enable_undo_redo();
}

void SheetHistory::set_commands_enabled(bool enabled) {
  commands_enabled_ = enabled;
  enable_undo_redo();
}

void SheetHistory::enable_undo_redo() {
  undo_->setEnabled(commands_enabled_ && undo_stack_.canUndo());
  redo_->setEnabled(commands_enabled_ && undo_stack_.canRedo());
}

void SheetHistory::edit(const QString& what, const std::function<void()>& change, int cell) {
  EditState before{sheet_, grid_, title_};
  change();
  EditState after{sheet_, grid_, title_};
  if (channel_file_of(before.sheet) != channel_file_of(after.sheet) ||
      before.title != after.title) {
    undo_stack_.push(new SheetEdit(
        what, std::move(before), std::move(after),
        [this](const EditState& state) { restore(state); }, cell));
  }
  show_title();
}

void SheetHistory::restore(const EditState& state) {
  sheet_ = state.sheet;
  grid_ = state.grid;
  title_ = state.title;
  render_();
}

bool SheetHistory::unsaved_changes() const { return channel_file_of(sheet_) != unchanged_; }

void SheetHistory::mark_unchanged(const QString& file_name) {
  unchanged_ = channel_file_of(sheet_);
  if (!file_name.isEmpty()) open_file_ = file_name;
  show_title();
}

void SheetHistory::mark_cut_short(const QString& file_name) {
  unchanged_ = {};  // every field absent: no sheet is the same
  open_file_ = file_name;
  show_title();
}

void SheetHistory::show_title() {
  QString title = shown_words(title_);
  if (!open_file_.isEmpty()) {
    title = title.trimmed() + QStringLiteral(" - ") + QFileInfo(open_file_).fileName();
  }
  if (unsaved_changes()) title = title.trimmed() + QStringLiteral(" *");
  window_->setWindowTitle(title);
}

void SheetHistory::apply_read_sheet(const Sheet& read) {
  edit(tr("读取频率"), [&] {
    sheet_ = read;
    close_tone_editors(grid_);
  });
  render_();
  mark_unchanged(QString());
}

}  // namespace m27
