// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The log file of series jobs: one for every job, so that no ID is ever handed out twice. A job
// holds it locked (flock) while it runs, reads it at the start and appends one line per
// event, each flushed to the disk before the job goes on.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "channels/result.h"
#include "channels/words.h"
#include "files/file_system.h"
#include "series/log_history.h"

namespace m27 {

// The refusal when another job holds the log.
inline Words log_locked() { return M27_WORDS("series", "记录文件正被另一个批量写频任务使用"); }
// The refusal when the log does not exist and was not to be created: its path on a line of its
// own.
inline Words log_missing(const std::filesystem::path& path) {
  return M27_WORDS("series", "记录文件不存在\n%1").arg(path.string());
}

// m27/series.csv in the user's data folder.
std::filesystem::path default_log_path(const std::filesystem::path& data_folder);

// The ID a job on the log at `path` would hand out first (lowest_free_id), read without taking
// the log: 1 when there is no log yet or it cannot be read.
std::uint32_t lowest_free_id_in(const std::filesystem::path& path,
                                FileSystem& fs = local_file_system());

class JobLog {
 public:
  // Opens the log for appending and locks it, then reads what it holds. A missing log is created
  // with its header only when `create` says so (refused with log_missing else); a missing folder
  // never is, so that a mistyped path cannot start a second pool of IDs. A file that is not at a
  // line's start gets a line break first, so a line the power cut off stays a line of its own.
  // Refused with log_locked while another job holds it, or with "无法打开记录文件" and why when
  // it cannot be read or written.
  static Result<JobLog, Words> open(const std::filesystem::path& path, bool create,
                                    FileSystem& fs = local_file_system());

  JobLog(JobLog&& other) noexcept;
  JobLog(const JobLog&) = delete;
  JobLog& operator=(const JobLog&) = delete;
  ~JobLog();  // unlocks

  const std::filesystem::path& path() const { return path_; }
  // What the log held when it was opened, and the lines it skipped.
  const LogReading& reading() const { return reading_; }

  // Appends the line with the time `now`, then flushes it to the disk. Only one thread at a time
  // may append, and the file system is used by that thread alone meanwhile. A failure comes back
  // ("记录文件写入失败" and why), and from then on every append fails: a line the disk may hold in
  // part is never followed by another.
  std::optional<Words> append(const LogLine& line, std::chrono::system_clock::time_point now);

 private:
  JobLog(std::filesystem::path path, int fd, FileSystem& fs, LogReading reading);
  std::optional<Failure> write_out(std::string_view bytes);

  std::filesystem::path path_;
  int fd_ = -1;
  FileSystem* fs_;
  LogReading reading_;
  std::optional<Words> broken_;
};

}  // namespace m27
