// The safety net of the main window: a dated backup of every read (设置 → 读频自动备份, on by
// default), the backup folder opened from 文件 → 打开备份文件夹, and the radio read back and
// compared after a write (设置 → 写后校验, off by default). Both settings are remembered.

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <chrono>

#include "channels/sheet_comparison.h"
#include "files/backup_store.h"
#include "link/read_transfer.h"
#include "ui/main_window.h"

namespace m27 {
namespace {

const QString kBackupAfterRead = QStringLiteral("backup_after_read");
const QString kVerifyAfterWrite = QStringLiteral("verify_after_write");

QSettings settings() { return QSettings(QStringLiteral("m27"), QStringLiteral("m27")); }

// A checkable item whose state is kept in the settings under `key`.
void remember(QAction* item, const QString& key, bool by_default) {
  item->setCheckable(true);
  item->setChecked(settings().value(key, by_default).toBool());
  QObject::connect(item, &QAction::toggled, item,
                   [key](bool checked) { settings().setValue(key, checked); });
}

std::filesystem::path backups() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return backup_folder(std::filesystem::path(QFile::encodeName(data).toStdString()));
}

}  // namespace

void MainWindow::connect_safety() {
  remember(backup_after_read_, kBackupAfterRead, true);
  remember(verify_after_write_, kVerifyAfterWrite, false);
  connect(open_backups_, &QAction::triggered, this, &MainWindow::open_backup_folder);
}

void MainWindow::back_up_read(bool ok) {
  if (!ok || !backup_after_read_->isChecked()) return;
  const auto folder = backups();
  const auto saved = save_backup(folder, local_time(std::chrono::system_clock::now()), sheet_);
  if (!saved) exchanges_->show(backup_failure(folder, saved.reason()));
}

void MainWindow::read_back_written(bool ok) {
  if (!ok || !verify_after_write_->isChecked()) return;
  // What was written, whatever the grid shows by the time the radio has been read.
  start_exchange(std::make_unique<ReadTransfer>(startup_sheet()),
                 {{},
                  [this, written = sheet_](bool read) { check_read_back(written, read); },
                  [this](const Sheet& read) { read_back_ = read; }});
}

void MainWindow::check_read_back(const Sheet& written, bool ok) {
  exchanges_->show(ok ? verification_message(compare_sheets(written, read_back_))
                  : read_back_failure());
}

void MainWindow::open_backup_folder() {
  const QString folder = QFile::decodeName(backups().c_str());
  if (!QDir().mkpath(folder) || !QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) {
    boxes_.show(attention("打开备份文件夹失败\n" + folder.toStdString()));
  }
}

}  // namespace m27
