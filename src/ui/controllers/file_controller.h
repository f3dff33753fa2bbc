// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file commands of the window: "打开文件" and "保存文件", the recent files, a file dropped on
// the window or named at start-up, "导出CSV…" and "导入CSV…", the serial trace "通讯记录…", and
// the question that comes before unsaved changes would be lost. While a file dialog is open the
// status refresh and the about box's timer are held. A trace or settings file that cannot be
// written is noted in the status bar.

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

#include "channels/sheet.h"
#include "ui/controllers/file_dialogs.h"
#include "ui/grid/grid_state.h"
#include "ui/window/message_boxes.h"

class QAction;
class QMenu;
class QMimeData;
class QWidget;

namespace m27 {

class SheetHistory;
class StatusBar;

class FileController : public QObject {
  Q_OBJECT

 public:
  struct View {
    QWidget* window;  // the dialogs' parent
    std::function<void()> render;
    std::function<void(bool held)> hold_timers;
    StatusBar* status_bar;
  };
  struct Menu {
    QAction* open;
    QAction* save;
    QMenu* recent_files;
    QAction* export_csv;
    QAction* import_csv;
    QAction* trace;
  };

  FileController(Sheet& sheet, GridState& grid, SheetHistory& history, MessageBoxes& boxes,
                 FileDialogs& dialogs, View view, Menu menu);

  // Opens a channel file as 打开文件 does once its dialog has answered, asking first when the
  // sheet has unsaved changes.
  void open_file(const QString& name);
  // Runs `then` unless the sheet has unsaved changes and the user keeps them: the question
  // "当前信道数据已修改，是否保存？" answered 保存 saves first (a cancelled or failed save stops
  // here), 不保存 goes on, 取消 stops. Everything that replaces the sheet asks through this.
  void settle_unsaved_changes(std::function<void()> then);
  // The save dialog and the saving; false when it was cancelled or failed.
  bool save_with_dialog();
  // The recent files are refused while an exchange runs.
  void set_commands_enabled(bool enabled);
  // The one local *.m27 file a drag carries, while files may be opened; empty for anything else.
  QString dropped_channel_file(const QMimeData* data) const;

 signals:
  // A channel file replaced the sheet.
  void file_opened();

 private:
  void choose_and_open_file();
  void open_named_file(const QString& name);
  void remember_file(const QString& name);
  void fill_recent_menu();
  void export_csv_click();
  void import_csv_click();
  std::optional<Message> import_csv_file(const std::filesystem::path& file);
  void trace_click();
  void note_failures();
  // Runs `dialog` with the timers held.
  template <typename Dialog>
  auto with_timers_held(Dialog dialog);

  Sheet& sheet_;
  GridState& grid_;
  SheetHistory& history_;
  MessageBoxes& boxes_;
  FileDialogs& dialogs_;
  View view_;
  Menu menu_;
  QString file_name_;  // the name last chosen in either file dialog
  bool commands_enabled_ = true;
};

}  // namespace m27
