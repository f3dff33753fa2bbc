// Spreadsheets in and out of the main window, "导出CSV…" and "导入CSV…", and the serial trace
// "通讯记录…" chosen and stopped from the settings menu.

#include <QAction>
#include <QFile>

#include "channels/channel_table.h"
#include "files/csv_commands.h"
#include "link/qt/port_trace.h"
#include "ui/form_timer.h"
#include "ui/main_window.h"

namespace m27 {
namespace {

std::filesystem::path file_path(const QString& name) {
  return std::filesystem::path(QFile::encodeName(name).toStdString());
}

}  // namespace

void MainWindow::connect_csv() {
  connect(export_csv_, &QAction::triggered, this, &MainWindow::export_csv_click);
  connect(import_csv_, &QAction::triggered, this, &MainWindow::import_csv_click);
  connect(trace_, &QAction::triggered, this, &MainWindow::trace_click);
  trace_->setChecked(port_trace().active());  // --trace FILE
}

// As a save: the open tone editors commit first, so the file holds what the grid shows.
void MainWindow::export_csv_click() {
  status_refresh_timer_->set_enabled(false);
  splash_timer_->set_enabled(false);
  const auto choice = file_dialogs_.csv_export_name(this);
  std::optional<Message> failure;
  if (choice) {
    commit_edits(sheet_);
    render_sheet();
    failure = export_csv(sheet_, choice->layout, file_path(choice->file));
  }
  status_refresh_timer_->set_enabled(true);
  splash_timer_->set_enabled(true);
  if (failure) boxes_.show(*failure);
}

// The rows replace channels 1, 2, ... of the grid and nothing else, as one undoable step; a
// refused sheet changes nothing. Unsaved changes are asked about first.
void MainWindow::import_csv_click() {
  settle_unsaved_changes([this] {
    status_refresh_timer_->set_enabled(false);
    splash_timer_->set_enabled(false);
    const auto name = file_dialogs_.csv_import_name(this);
    std::optional<Message> failure;
    if (name) {
      edit_sheet(QStringLiteral("导入CSV"),
                 [&] { failure = import_csv(sheet_, file_path(*name)); });
      render_sheet();
    }
    status_refresh_timer_->set_enabled(true);
    splash_timer_->set_enabled(true);
    if (failure) boxes_.show(*failure);
  });
}

// While a trace runs the item is checked and choosing it stops the trace; otherwise it asks
// for the file to append to.
void MainWindow::trace_click() {
  PortTrace& trace = port_trace();
  if (trace.active()) {
    trace.stop();
  } else if (const auto name = file_dialogs_.trace_file_name(this)) {
    if (const auto reason = trace.start(*name)) {
      boxes_.show(attention("通讯记录失败\n" + name->toStdString() + "\n" + reason->toStdString()));
    }
  }
  trace_->setChecked(trace.active());
}

}  // namespace m27
