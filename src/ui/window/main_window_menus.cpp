// SPDX-License-Identifier: GPL-3.0-or-later
// The menu tree of the main window. Items without a handler here either have none (`bt_2`,
// `qita`, `xbm27`) or get theirs from the command that owns them. An Alt+letter reaches one
// thing: the menu titles and the window's buttons have letters of their own, and so have the
// items of each menu.

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "ui/window/caption.h"
#include "ui/window/main_window.h"

namespace m27 {
namespace {

QMenu* add_menu(QWidget* parent, QMenuBar* bar, const char* name, const char* caption) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QString::fromUtf8(name));
  set_caption(menu, caption);
  // A separator at the start or the end of a menu stays visible, as laid out.
  menu->setSeparatorsCollapsible(false);
  bar->addMenu(menu);
  return menu;
}

QMenu* add_submenu(QMenu* parent, const char* name, const char* caption) {
  QMenu* menu = parent->addMenu(QString());
  menu->setObjectName(QString::fromUtf8(name));
  set_caption(menu, caption);
  menu->setSeparatorsCollapsible(false);
  return menu;
}

QAction* add_item(QMenu* menu, const char* name, const char* caption) {
  QAction* item = menu->addAction(QString());
  item->setObjectName(QString::fromUtf8(name));
  set_caption(item, caption);
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

  QMenu* file = add_menu(this, bar, "MenuFile", QT_TR_NOOP("文件(&F)"));
  open_action_ = add_item(file, "MenuFileOpen", QT_TR_NOOP("打开文件(&O)"));
  save_action_ = add_item(file, "MenuSave", QT_TR_NOOP("保存文件(&s)"));
  open_action_->setShortcut(QKeySequence::Open);
  save_action_->setShortcut(QKeySequence::Save);
  recent_files_ = add_submenu(file, "recent_files", QT_TR_NOOP("最近打开的文件(&R)"));
  export_csv_ = add_item(file, "MenuExportCsv", QT_TR_NOOP("导出CSV(&X)…"));
  import_csv_ = add_item(file, "MenuImportCsv", QT_TR_NOOP("导入CSV(&I)…"));
  open_backups_ = add_item(file, "open_backups", QT_TR_NOOP("打开备份文件夹(&B)"));
  print_ = add_item(file, "print_channels", QT_TR_NOOP("打印(&P)…"));
  print_->setShortcut(QKeySequence::Print);
  export_pdf_ = add_item(file, "export_pdf", QT_TR_NOOP("导出PDF(&D)…"));
  add_separator(file, "wer6wr6");
  exit_action_ = add_item(file, "FormCancel", QT_TR_NOOP("退出(&E)"));

  QMenu* edit = add_menu(this, bar, "edit", QT_TR_NOOP("编辑(&B)"));
  history_->build_menu(edit);
  add_separator(edit, "grid_commands");
  for (QAction* command : grid_->commands()) edit->addAction(command);

  QMenu* settings = add_menu(this, bar, "chuankoushezhi", QT_TR_NOOP("设置(&I)"));
  ports_->build_menu(add_submenu(settings, "com", QT_TR_NOOP("端口(&C)")));
  QMenu* baud = add_submenu(settings, "botelv", QT_TR_NOOP("波特率(&P)"));
  baud_9600_action_ = add_checked_item(baud, "bt_2", "9600");
  add_item(settings, "qita", QT_TR_NOOP("其他(&O)"));
  trace_ = add_item(settings, "MenuTrace", QT_TR_NOOP("通讯记录(&T)…"));
  trace_->setCheckable(true);  // checked while a trace is being written
  add_separator(settings, "w13888");
  backup_after_read_ = add_item(settings, "backup_after_read", QT_TR_NOOP("读频自动备份(&B)"));
  verify_after_write_ = add_item(settings, "verify_after_write", QT_TR_NOOP("写后校验(&V)"));
  build_language_menu(add_submenu(settings, "language", QT_TR_NOOP("语言(&L)")));

  QMenu* model = add_menu(this, bar, "jixinxinxi", QT_TR_NOOP("机型选择(&J)"));
  model_action_ = add_checked_item(model, "xbm27", "------");
  add_separator(model, "jjj");

  QMenu* programming = add_menu(this, bar, "xie", QT_TR_NOOP("编程操作(&X)"));
  add_separator(programming, "w138888");
  read_action_ = add_item(programming, "WriteChn", QT_TR_NOOP("读取频率(&R)"));
  add_separator(programming, "w1388888");
  write_action_ = add_item(programming, "StartWrite", QT_TR_NOOP("开始写频(&W)"));
  add_separator(programming, "aa");
  engineering_mode_ = add_item(programming, "工程模式", QT_TR_NOOP("工程模式"));
  add_separator(programming, "GG");
  test_mode_ = add_item(programming, "测试模式", QT_TR_NOOP("测试模式"));
  add_separator(programming, "rr");
  radio_id_ = add_item(programming, "写ID", QT_TR_NOOP("写ID"));
  add_separator(programming, "check_separator");
  connection_check_ = add_item(programming, "connection_check_item", QT_TR_NOOP("连接检测(&C)…"));
  add_separator(programming, "series_separator");
  series_job_ = add_item(programming, "series_job", QT_TR_NOOP("批量写频(&P)…"));

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
