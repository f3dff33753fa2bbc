// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The log file of series jobs: one for every job, so that no ID is ever handed out twice. A job
// holds it locked (flock) for its whole life, reads it at the start and appends one line per
// event, each flushed to the disk before the job goes on.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "channels/result.h"
#include "files/file_system.h"
#include "series/log_history.h"

namespace m27 {

// The refusal when another job holds the log.
inline constexpr std::string_view kLogLocked = "记录文件正被另一个批量写频任务使用";
// The refusal when the log does not exist and the order does not allow creating it.
inline constexpr std::string_view kLogMissing = "记录文件不存在";

// $XDG_DATA_HOME/m27/series.csv, or ~/.local/share/m27/series.csv when it is unset (or not an
// absolute path); null arguments count as unset.
std::filesystem::path default_log_path(const char* xdg_data_home, const char* home);

class JobLog {
 public:
  // Opens (or creates, with its folder and the header) the log for appending and locks it, then
  // reads what it holds. A file that is not at a line's start gets a line break first, so a line
  // the power cut off stays a line of its own. Refused with kLogLocked while another job holds
  // it, or with "无法打开记录文件" and why when it cannot be read or written.
  static Result<JobLog> open(const std::filesystem::path& path,
                             FileSystem& fs = local_file_system());

  JobLog(JobLog&& other) noexcept;
  JobLog& operator=(JobLog&& other) noexcept;
  JobLog(const JobLog&) = delete;
  JobLog& operator=(const JobLog&) = delete;
  ~JobLog();  // unlocks

  const std::filesystem::path& path() const { return path_; }
  // What the log held when it was opened, and the lines it skipped.
  const LogReading& reading() const { return reading_; }

  // Appends the line with the time `now`, then flushes it to the disk. A failure comes back
  // ("记录文件写入失败" and why), and from then on every append fails: a line the disk may hold in
  // part is never followed by another.
  std::optional<Failure> append(const LogLine& line, std::chrono::system_clock::time_point now);

 private:
  JobLog(std::filesystem::path path, int fd, FileSystem& fs, LogReading reading);
  std::optional<Failure> write_out(std::string_view bytes);

  std::filesystem::path path_;
  int fd_ = -1;
  FileSystem* fs_;
  LogReading reading_;
  std::optional<Failure> broken_;
};

}  // namespace m27
