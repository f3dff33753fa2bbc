// The channel-file commands of the main window: "保存文件" and "打开文件".

#include <QAction>
#include <QFile>

#include "files/file_commands.h"
#include "ui/file_dialogs.h"
#include "ui/form_timer.h"
#include "ui/main_window.h"

namespace m27 {

void MainWindow::connect_files() {
  connect(MenuFileOpen_, &QAction::triggered, this, &MainWindow::MenuFileOpen_Click);
  connect(MenuSave_, &QAction::triggered, this, &MainWindow::MenuSave_Click);
}

void MainWindow::MenuSave_Click() {
  Timer1_->set_enabled(false);
  Timer2_->set_enabled(false);
  const auto name = file_dialogs_.save_file_name(this);
  file_name_ = name.value_or(QString());
  std::optional<std::filesystem::path> path;
  if (name) path = std::filesystem::path(QFile::encodeName(*name).toStdString());
  const auto failure = save_channel_file(sheet_, path);
  render_sheet();
  Timer1_->set_enabled(true);
  Timer2_->set_enabled(true);
  if (failure) boxes_.show(*failure);
}

void MainWindow::MenuFileOpen_Click() {
  Timer1_->set_enabled(false);
  Timer2_->set_enabled(false);
  const auto name = file_dialogs_.open_file_name(this, file_name_);
  std::optional<Message> message;
  if (name) {
    file_name_ = *name;
    const auto opening =
        open_channel_file(sheet_, std::filesystem::path(QFile::encodeName(*name).toStdString()));
    message = opening.refusal;
    if (!message && !opening.complete()) message = attention(incomplete_file(opening.line_count));
    render_sheet();
  }
  Timer1_->set_enabled(true);
  Timer2_->set_enabled(true);
  if (message) boxes_.show(*message);
}

}  // namespace m27
