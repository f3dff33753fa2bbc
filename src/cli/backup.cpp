// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/backup.h"

#include "files/backup_store.h"
#include "i18n/translated.h"
#include "link/qt/data_folder.h"

namespace m27 {

void back_up(const Sheet& sheet, ConsolePlayer& player) {
  const auto folder = backup_folder(user_data_folder());
  const auto saved = save_backup(folder, local_time(std::chrono::system_clock::now()), sheet);
  if (!saved) player.show(translated(backup_failure(folder, saved.why())));
}

}  // namespace m27
