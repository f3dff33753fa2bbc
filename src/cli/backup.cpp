// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/backup.h"

#include <QStandardPaths>

#include "cli/file_path.h"
#include "files/backup_store.h"

namespace m27 {

void back_up(const Sheet& sheet, ConsolePlayer& player) {
  const auto folder = backup_folder(
      file_path(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
  const auto saved = save_backup(folder, local_time(std::chrono::system_clock::now()), sheet);
  if (!saved) player.show(backup_failure(folder, saved.reason()));
}

}  // namespace m27
