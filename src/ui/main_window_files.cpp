// The channel-file commands of the main window: "保存文件" and "打开文件", the recent files,
// a file dropped on the window or named on the command line, and the question that comes
// before unsaved changes would be lost.

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>

#include "files/file_commands.h"
#include "ui/file_dialogs.h"
#include "ui/form_timer.h"
#include "ui/main_window.h"
#include "ui/recent_files.h"

namespace m27 {
namespace {

std::filesystem::path path_of(const QString& name) {
  return std::filesystem::path(QFile::encodeName(name).toStdString());
}

// The one local *.m27 file a drag carries; empty for anything else.
QString dropped_channel_file(const QMimeData* data) {
  if (!data->hasUrls() || data->urls().size() != 1) return QString();
  const QString file = data->urls().front().toLocalFile();
  return file.endsWith(QStringLiteral(".m27"), Qt::CaseInsensitive) ? file : QString();
}

}  // namespace

void MainWindow::connect_files() {
  connect(open_action_, &QAction::triggered, this, &MainWindow::choose_and_open_file);
  connect(save_action_, &QAction::triggered, this, &MainWindow::save_file);
  connect(recent_files_, &QMenu::aboutToShow, this, &MainWindow::fill_recent_menu);
  fill_recent_menu();
  setAcceptDrops(true);
}

void MainWindow::save_file() { save_with_dialog(); }

bool MainWindow::save_with_dialog() {
  status_refresh_timer_->set_enabled(false);
  splash_timer_->set_enabled(false);
  const auto name = file_dialogs_.save_file_name(this);
  file_name_ = name.value_or(QString());
  std::optional<std::filesystem::path> path;
  if (name) path = path_of(*name);
  const auto failure = save_channel_file(sheet_, path);
  render_sheet();
  status_refresh_timer_->set_enabled(true);
  splash_timer_->set_enabled(true);
  if (failure) {
    boxes_.show(*failure);
    return false;
  }
  if (!name) return false;
  mark_unchanged(*name);
  remember_file(*name);
  return true;
}

void MainWindow::choose_and_open_file() {
  settle_unsaved_changes([this] {
    status_refresh_timer_->set_enabled(false);
    splash_timer_->set_enabled(false);
    const auto name = file_dialogs_.open_file_name(this, file_name_);
    status_refresh_timer_->set_enabled(true);
    splash_timer_->set_enabled(true);
    if (!name) return;
    file_name_ = *name;
    open_named_file(*name);
  });
}

void MainWindow::open_file(const QString& name) {
  settle_unsaved_changes([this, name] { open_named_file(name); });
}

// An opened file starts a new history; a refused one changes nothing.
// A file cut short opens with what it holds, and says so.
void MainWindow::open_named_file(const QString& name) {
  const auto opening = open_channel_file(sheet_, path_of(name));
  render_sheet();
  if (opening.refusal) {
    boxes_.show(*opening.refusal);
    return;
  }
  undo_stack_.clear();
  mark_unchanged(name);
  remember_file(name);
  if (!opening.complete()) boxes_.show(attention(incomplete_file(opening.line_count)));
}

void MainWindow::settle_unsaved_changes(std::function<void()> then) {
  if (!unsaved_changes()) {
    then();
    return;
  }
  boxes_.ask_save({"当前信道数据已修改，是否保存？", "", MessageIcon::None},
                  [this, then = std::move(then)](SaveAnswer answer) {
                    if (answer == SaveAnswer::Cancel) return;
                    if (answer == SaveAnswer::Save && !save_with_dialog()) return;
                    then();
                  });
}

void MainWindow::remember_file(const QString& name) {
  save_recent_files(with_recent_file(load_recent_files(), name));
  fill_recent_menu();
}

void MainWindow::fill_recent_menu() {
  recent_files_->clear();
  const QStringList files = load_recent_files();
  for (const QString& file : files) {
    recent_files_->addAction(file, this, [this, file] { open_file(file); });
  }
  recent_files_->setEnabled(!files.isEmpty() && exchanges_->commands_enabled());
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (exchanges_->commands_enabled() && !dropped_channel_file(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
  }
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString file = dropped_channel_file(event->mimeData());
  if (!exchanges_->commands_enabled() || file.isEmpty()) return;
  event->acceptProposedAction();
  open_file(file);
}

}  // namespace m27
