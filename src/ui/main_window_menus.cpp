// SPDX-License-Identifier: GPL-3.0-or-later
// The menu tree of the main window. Items without a handler here either have none (`bt_2`,
// `qita`, `xbm27`) or get theirs from the command that owns them. An Alt+letter reaches one
// thing: the menu titles and the window's buttons have letters of their own, and so have the
// items of each menu.

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "ui/main_window.h"

namespace m27 {
namespace {

QMenu* add_menu(QWidget* parent, QMenuBar* bar, const char* name, const char* caption) {
  auto* menu = new QMenu(QString::fromUtf8(caption), parent);
  menu->setObjectName(QString::fromUtf8(name));
  // A separator at the start or the end of a menu stays visible, as laid out.
  menu->setSeparatorsCollapsible(false);
  bar->addMenu(menu);
  return menu;
}

QMenu* add_submenu(QMenu* parent, const char* name, const char* caption) {
  QMenu* menu = parent->addMenu(QString::fromUtf8(caption));
  menu->setObjectName(QString::fromUtf8(name));
  menu->setSeparatorsCollapsible(false);
  return menu;
}

QAction* add_item(QMenu* menu, const char* name, const char* caption) {
  QAction* item = menu->addAction(QString::fromUtf8(caption));
  item->setObjectName(QString::fromUtf8(name));
  return item;
}

// An item that names the one setting there is: checked, and choosing it changes nothing.
QAction* add_checked_item(QMenu* menu, const char* name, const char* caption) {
  QAction* item = add_item(menu, name, caption);
  item->setCheckable(true);
  item->setChecked(true);
  QObject::connect(item, &QAction::triggered, item, [item] { item->setChecked(true); });
  return item;
}

void add_separator(QMenu* menu, const char* name) {
  menu->addSeparator()->setObjectName(QString::fromUtf8(name));
}

}  // namespace

void MainWindow::build_menus() {
  QMenuBar* bar = menuBar();

  QMenu* file = add_menu(this, bar, "MenuFile", "文件(&F)");
  open_action_ = add_item(file, "MenuFileOpen", "打开文件(&O)");
  save_action_ = add_item(file, "MenuSave", "保存文件(&s)");
  open_action_->setShortcut(QKeySequence::Open);
  save_action_->setShortcut(QKeySequence::Save);
  recent_files_ = add_submenu(file, "recent_files", "最近打开的文件(&R)");
  export_csv_ = add_item(file, "MenuExportCsv", "导出CSV(&X)…");
  import_csv_ = add_item(file, "MenuImportCsv", "导入CSV(&I)…");
  open_backups_ = add_item(file, "open_backups", "打开备份文件夹(&B)");
  add_separator(file, "wer6wr6");
  exit_action_ = add_item(file, "FormCancel", "退出(&E)");

  QMenu* edit = add_menu(this, bar, "edit", "编辑(&B)");
  history_->build_menu(edit);
  add_separator(edit, "grid_commands");
  for (QAction* command : grid_->commands()) edit->addAction(command);

  QMenu* settings = add_menu(this, bar, "chuankoushezhi", "设置(&I)");
  ports_->build_menu(add_submenu(settings, "com", "端口(&C)"));
  QMenu* baud = add_submenu(settings, "botelv", "波特率(&P)");
  baud_9600_action_ = add_checked_item(baud, "bt_2", "9600");
  add_item(settings, "qita", "其他(&O)");
  trace_ = add_item(settings, "MenuTrace", "通讯记录(&T)…");
  trace_->setCheckable(true);  // checked while a trace is being written
  add_separator(settings, "w13888");
  backup_after_read_ = add_item(settings, "backup_after_read", "读频自动备份(&B)");
  verify_after_write_ = add_item(settings, "verify_after_write", "写后校验(&V)");

  QMenu* model = add_menu(this, bar, "jixinxinxi", "机型选择(&J)");
  model_action_ = add_checked_item(model, "xbm27", "------");
  add_separator(model, "jjj");

  QMenu* programming = add_menu(this, bar, "xie", "编程操作(&X)");
  add_separator(programming, "w138888");
  read_action_ = add_item(programming, "WriteChn", "读取频率(&R)");
  add_separator(programming, "w1388888");
  write_action_ = add_item(programming, "StartWrite", "开始写频(&W)");
  add_separator(programming, "aa");
  engineering_mode_ = add_item(programming, "工程模式", "工程模式");
  add_separator(programming, "GG");
  test_mode_ = add_item(programming, "测试模式", "测试模式");
  add_separator(programming, "rr");
  radio_id_ = add_item(programming, "写ID", "写ID");
  add_separator(programming, "check_separator");
  connection_check_ = add_item(programming, "connection_check_item", "连接检测(&C)…");
  add_separator(programming, "series_separator");
  series_job_ = add_item(programming, "series_job", "批量写频(&P)…");

  // The menu items run the buttons' commands, and a disabled button (a transfer running)
  // refuses them alike.
  connect(read_action_, &QAction::triggered, read_button_, &QPushButton::click);
  connect(write_action_, &QAction::triggered, write_button_, &QPushButton::click);
  connect(open_button_, &QPushButton::clicked, open_action_, &QAction::trigger);
  connect(save_button_, &QPushButton::clicked, save_action_, &QAction::trigger);
  connect(exit_action_, &QAction::triggered, this, &MainWindow::request_exit);
  connect(series_job_, &QAction::triggered, this, &MainWindow::open_series_dialog);
}

}  // namespace m27
