// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/backup_store.h"

#include <time.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <system_error>
#include <vector>

#include "files/file_commands.h"
#include "files/file_io.h"

namespace m27 {
namespace {

constexpr std::string_view kExtension = ".m27";
// Reads a millisecond apart never come close to this; it only bounds the search for a name.
constexpr int kNameAttempts = 100;

bool all_digits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Removes the oldest backups beyond `kBackupsKept`, never `kept`, the one just written: with the
// clock set back (a reset shop PC, another time zone) it is the oldest by name and by time. A
// backup that cannot be removed stays: it costs a little room and loses nothing.
void drop_oldest(const std::filesystem::path& folder, const std::filesystem::path& kept) {
  std::vector<std::filesystem::path> others;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (is_backup_name(it->path().filename().string()) && it->path() != kept) {
      others.push_back(it->path());
    }
  }
  if (others.size() < kBackupsKept) return;
  std::sort(others.begin(), others.end());
  const auto excess = static_cast<std::ptrdiff_t>(others.size() - (kBackupsKept - 1));
  for (auto it = others.begin(); it != others.begin() + excess; ++it) {
    std::filesystem::remove(*it, error);
  }
}

}  // namespace

LocalTime local_time(std::chrono::system_clock::time_point t) {
  const auto since_epoch =
      std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch());
  const auto seconds = std::chrono::floor<std::chrono::seconds>(since_epoch);
  const time_t whole = static_cast<time_t>(seconds.count());
  struct tm parts {};
  localtime_r(&whole, &parts);
  return {parts.tm_year + 1900,
          parts.tm_mon + 1,
          parts.tm_mday,
          parts.tm_hour,
          parts.tm_min,
          parts.tm_sec,
          static_cast<int>((since_epoch - seconds).count())};
}

std::filesystem::path backup_folder(const std::filesystem::path& data_folder) {
  return data_folder / "m27" / "backups";
}

std::string backup_name(const LocalTime& time, int attempt) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d-%03d", time.year, time.month,
                time.day, time.hour, time.minute, time.second, time.millisecond);
  std::string name = stamp;
  if (attempt > 0) name += "_" + std::to_string(attempt + 1);
  return name + std::string(kExtension);
}

bool is_backup_name(std::string_view name) {
  constexpr std::size_t kStampLength = 19;  // 20261207-064512-123
  if (name.size() < kStampLength + kExtension.size() || !name.ends_with(kExtension)) return false;
  const std::string_view stamp = name.substr(0, kStampLength);
  const std::string_view rest =
      name.substr(kStampLength, name.size() - kStampLength - kExtension.size());
  return all_digits(stamp.substr(0, 8)) && stamp[8] == '-' && all_digits(stamp.substr(9, 6)) &&
         stamp[15] == '-' && all_digits(stamp.substr(16)) &&
         (rest.empty() || (rest.front() == '_' && all_digits(rest.substr(1))));
}

Result<std::filesystem::path, Words> save_backup(const std::filesystem::path& folder,
                                                 const LocalTime& now, const Sheet& sheet,
                                                 FileSystem& fs) {
  if (!folder.is_absolute()) return M27_WORDS("files", "没有用户数据文件夹");
  const auto bytes = channel_file_bytes(sheet);
  if (!bytes) return bytes.why();
  std::error_code made;
  std::filesystem::create_directories(folder, made);
  if (made) return as_is(made.message());
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::filesystem::path path = folder / backup_name(now, attempt);
    const int error = create_file(path, *bytes, fs);
    if (error == EEXIST) continue;
    if (error != 0) return as_is(system_failure(error).reason);
    drop_oldest(folder, path);
    return path;
  }
  return as_is(system_failure(EEXIST).reason);
}

Notice backup_failure(const std::filesystem::path& folder, Words reason) {
  return attention(
      M27_WORDS("files", "备份失败\n%1\n%2").arg(folder.string()).arg(std::move(reason)));
}

}  // namespace m27
