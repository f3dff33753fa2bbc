// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/transfer_controller.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <chrono>
#include <utility>

#include "channels/sheet_comparison.h"
#include "files/backup_store.h"
#include "i18n/translated.h"
#include "link/qt/data_folder.h"
#include "link/read_transfer.h"
#include "link/write_transfer.h"
#include "ui/controllers/exchange_controller.h"
#include "ui/controllers/file_controller.h"
#include "ui/controllers/sheet_history.h"
#include "ui/window/settings.h"

namespace m27 {
namespace {

const QString kBackupAfterRead = QStringLiteral("backup_after_read");
const QString kVerifyAfterWrite = QStringLiteral("verify_after_write");

// A checkable item whose state is kept in the settings under `key`.
void remember(QAction* item, const QString& key, bool by_default) {
  item->setCheckable(true);
  item->setChecked(program_settings().value(key, by_default).toBool());
  QObject::connect(item, &QAction::toggled, item,
                   [key](bool checked) { store_setting(key, checked); });
}

std::filesystem::path backups() { return backup_folder(user_data_folder()); }

}  // namespace

TransferController::TransferController(Editor editor, ExchangeController& exchanges,
                                       FileController& files, MessageBoxes& boxes, Menu menu,
                                       QObject* parent)
    : QObject(parent),
      editor_(std::move(editor)),
      exchanges_(exchanges),
      files_(files),
      boxes_(boxes),
      menu_(menu) {
  remember(menu_.backup_after_read, kBackupAfterRead, true);
  remember(menu_.verify_after_write, kVerifyAfterWrite, false);
  connect(menu_.open_backups, &QAction::triggered, this, &TransferController::open_backup_folder);
}

std::optional<PreparedWrite> TransferController::snap_for_write(const QString& what) {
  std::optional<PreparedWrite> prepared;
  editor_.history.edit(what, [&] {
    commit_tone_editors(editor_.sheet, editor_.grid);
    prepared = prepare_write(editor_.sheet);
    editor_.sheet = prepared->sheet;
  });
  editor_.render();
  if (const Notice* refusal = prepared->refusal()) {
    exchanges_.show(*refusal);
    return std::nullopt;
  }
  return prepared;
}

// With 写后校验 on, the read-back follows the end packet at once, and one box at its end tells of
// both.
void TransferController::start_write() {
  auto prepared = snap_for_write(tr("开始写频"));
  auto plan = prepared ? prepared->plan() : std::nullopt;
  if (!plan) return;
  ExchangeController::Callbacks callbacks;
  if (menu_.verify_after_write->isChecked()) {
    callbacks.on_finished = [this, written = std::move(prepared->sheet)](bool ok) {
      if (ok) read_back(written);
    };
    callbacks.tells_itself = [](const Finished& f) { return f.ok(); };
  }
  exchanges_.start(std::make_unique<WriteTransfer>(*plan), std::move(callbacks));
}

void TransferController::start_read() {
  files_.settle_unsaved_changes([this] {
    ExchangeController::Callbacks callbacks;
    callbacks.on_sheet = [this](const Sheet& read) { apply_read(read); };
    callbacks.on_finished = [this](bool) { show_backup_failure(); };
    exchanges_.start(std::make_unique<ReadTransfer>(editor_.sheet), std::move(callbacks));
  });
}

// The backup is written as the read completes, named by that moment; a failure to write it is
// told after the read's own box.
void TransferController::apply_read(const Sheet& read) {
  editor_.history.apply_read_sheet(read);
  if (!menu_.backup_after_read->isChecked()) return;
  const auto folder = backups();
  const auto saved = save_backup(folder, local_time(std::chrono::system_clock::now()), read);
  if (!saved) backup_failure_ = translated(backup_failure(folder, saved.why()));
}

void TransferController::show_backup_failure() {
  if (backup_failure_) exchanges_.show(*std::exchange(backup_failure_, std::nullopt));
}

// Against what was written, whatever the grid shows by the time the radio has been read. The
// read-back's own boxes are not shown: its end is part of the write's box.
void TransferController::read_back(const Sheet& written) {
  ExchangeController::Callbacks callbacks;
  callbacks.on_sheet = [this](const Sheet& read) { read_back_ = read; };
  callbacks.on_finished = [this, written](bool read) { check_read_back(written, read); };
  callbacks.tells_itself = [](const Finished&) { return true; };
  exchanges_.start(std::make_unique<ReadTransfer>(startup_sheet()), std::move(callbacks));
}

void TransferController::check_read_back(const Sheet& written, bool ok) {
  const Message verdict = translated(ok ? verification_message(compare_sheets(written, read_back_))
                                        : read_back_failure());
  exchanges_.show({tr("写频完成\n%1").arg(QString::fromStdString(verdict.text)).toStdString(),
                   tr("写频完成").toStdString(), verdict.icon});
}

void TransferController::open_backup_folder() {
  const QString folder = QFile::decodeName(backups().c_str());
  if (!QDir().mkpath(folder) || !QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) {
    boxes_.show(
        translated(attention(as_is(tr("打开备份文件夹失败\n%1").arg(folder).toStdString()))));
  }
}

}  // namespace m27
