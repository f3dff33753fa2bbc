// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The read and write commands of the window ("读取频率", "开始写频") and their safety net: a
// dated backup of every read (设置 → 读频自动备份, on by default), the backup folder opened from
// 文件 → 打开备份文件夹, and the radio read back and compared after a write (设置 → 写后校验,
// off by default). Both settings are remembered.

#include <QObject>
#include <functional>
#include <optional>

#include "channels/sheet.h"
#include "link/write_plan.h"
#include "ui/grid/grid_state.h"
#include "ui/window/message_boxes.h"

class QAction;

namespace m27 {

class ExchangeController;
class FileController;
class SheetHistory;

class TransferController : public QObject {
  Q_OBJECT

 public:
  // The window's sheet with the grid's state over it, their undo steps and how they are shown
  // again: a write snaps the sheet and sends it, a read replaces it.
  struct Editor {
    Sheet& sheet;
    GridState& grid;
    SheetHistory& history;
    std::function<void()> render;
  };
  struct Menu {
    QAction* open_backups;
    QAction* backup_after_read;
    QAction* verify_after_write;
  };

  TransferController(Editor editor, ExchangeController& exchanges, FileController& files,
                     MessageBoxes& boxes, Menu menu, QObject* parent);

  // The grid becomes what the write sends (frequencies moved onto their rasters and formatted,
  // the open tone editors committed), one undoable step when it changes anything, whether or
  // not the check before the write then refuses it.
  void start_write();
  // The same for another command that writes the sheet (`what` names its undo step): the write
  // it prepares, or nothing once the check's refusal has been shown.
  std::optional<PreparedWrite> snap_for_write(const QString& what);
  // A read may replace an edited sheet: it asks first. Its sheet is applied as one undoable
  // step, and backed up, when, and only when, it completes.
  void start_read();

 private:
  void apply_read(const Sheet& read);
  void show_backup_failure();
  void read_back(const Sheet& written);
  void check_read_back(const Sheet& written, bool ok);
  void open_backup_folder();

  Editor editor_;
  ExchangeController& exchanges_;
  FileController& files_;
  MessageBoxes& boxes_;
  Menu menu_;
  std::optional<Message> backup_failure_;  // of the read that has just completed
  Sheet read_back_;                        // the radio as read back after a write, to check it
};

}  // namespace m27
