// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The backups of the radios read: every successful read is kept as a channel file of its own in
// one folder, named by the local time of the read, never overwriting an older one; the newest
// 1,000 stay, older ones go.

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "channels/result.h"
#include "channels/sheet.h"
#include "channels/words.h"
#include "files/file_system.h"

namespace m27 {

inline constexpr std::size_t kBackupsKept = 1000;

struct LocalTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The machine's local time at `t`.
LocalTime local_time(std::chrono::system_clock::time_point t);

// The backup folder under the user's data folder (`$XDG_DATA_HOME`): DATA/m27/backups.
std::filesystem::path backup_folder(const std::filesystem::path& data_folder);

// "20261207-064512-123.m27"; a name already taken in the same millisecond gets "_2", "_3" ...
// before the extension (`attempt` 1, 2 ...), so that names sort as the reads happened.
std::string backup_name(const LocalTime& time, int attempt = 0);

// Whether a file name is one `backup_name` gives; nothing else in the folder is ever removed.
bool is_backup_name(std::string_view name);

// Saves the bytes a save of `sheet` would write as a new backup in `folder` (made when missing)
// under the name of `now`, then removes the oldest other backups beyond `kBackupsKept`, however
// the names of the others stand to the clock. The path of the new backup, or why there is none.
Result<std::filesystem::path, Words> save_backup(const std::filesystem::path& folder,
                                                 const LocalTime& now, const Sheet& sheet,
                                                 FileSystem& fs = local_file_system());

// "备份失败\n<folder>\n<reason>", title "注意", exclamation icon.
Notice backup_failure(const std::filesystem::path& folder, Words reason);

}  // namespace m27
