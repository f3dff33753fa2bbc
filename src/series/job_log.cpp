// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/job_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <utility>

#include "files/file_io.h"

namespace m27 {
namespace {

Words cannot_open(const std::filesystem::path& path, Words reason) {
  return M27_WORDS("series", "无法打开记录文件\n%1\n%2").arg(path.string()).arg(std::move(reason));
}

Words system_reason(int error) { return as_is(system_failure(error).reason); }

// 0, or why the file cannot be a log: not a plain file, or held by another job.
int lock(int fd) {
  struct stat status {};
  if (fstat(fd, &status) != 0) return errno;
  if (!S_ISREG(status.st_mode)) return EINVAL;
  return flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
}

}  // namespace

std::filesystem::path default_log_path(const std::filesystem::path& data_folder) {
  return data_folder / "m27" / "series.csv";
}

std::uint32_t lowest_free_id_in(const std::filesystem::path& path, FileSystem& fs) {
  const auto bytes = read_file(path, std::string::npos - 1, fs);
  return lowest_free_id(bytes ? read_log(*bytes).history : LogHistory{});
}

Result<JobLog, Words> JobLog::open(const std::filesystem::path& path, bool create, FileSystem& fs) {
  constexpr int kFlags = O_RDWR | O_APPEND | O_CLOEXEC;
  int fd = fs.open(path.c_str(), kFlags, 0);
  bool created = false;
  if (fd < 0 && errno == ENOENT) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    struct stat status {};
    if (fs.stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
      return cannot_open(path, M27_WORDS("series", "文件夹不存在：%1").arg(folder.string()));
    }
    if (!create) return log_missing(path);
    fd = fs.open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0644);
    created = fd >= 0;
    if (fd < 0 && errno == EEXIST) fd = fs.open(path.c_str(), kFlags, 0);  // made meanwhile
  }
  if (fd < 0) return cannot_open(path, system_reason(errno));
  std::string bytes;
  int error = lock(fd);
  if (error == 0) error = read_up_to(fs, fd, std::string::npos, bytes);
  if (error != 0) {
    fs.close(fd);
    if (error == EWOULDBLOCK) return log_locked();
    return cannot_open(
        path, error == EINVAL ? M27_WORDS("series", "不是普通文件") : system_reason(error));
  }
  JobLog log(path, fd, fs, read_log(bytes));
  std::string start;
  if (bytes.empty()) {
    start = std::string(kLogHeader) + "\r\n";
  } else if (!bytes.ends_with('\n')) {
    start = "\r\n";
  }
  if (!start.empty()) {
    if (const auto failure = log.write_out(start)) return cannot_open(path, as_is(failure->reason));
  }
  if (const int error = created ? sync_folder(fs, path) : 0) {
    return cannot_open(path, system_reason(error));
  }
  return log;
}

JobLog::JobLog(std::filesystem::path path, int fd, FileSystem& fs, LogReading reading)
    : path_(std::move(path)), fd_(fd), fs_(&fs), reading_(std::move(reading)) {}

JobLog::JobLog(JobLog&& other) noexcept
    : path_(std::move(other.path_)),
      fd_(std::exchange(other.fd_, -1)),
      fs_(other.fs_),
      reading_(std::move(other.reading_)),
      broken_(std::move(other.broken_)) {}

JobLog::~JobLog() {
  if (fd_ >= 0) fs_->close(fd_);  // the lock goes with the descriptor
}

std::optional<Words> JobLog::append(const LogLine& line,
                                    std::chrono::system_clock::time_point now) {
  if (broken_) return broken_;
  if (const auto failure = write_out(log_record(line, iso_local_time(now)))) {
    broken_ =
        M27_WORDS("series", "记录文件写入失败\n%1\n%2").arg(path_.string()).arg(failure->reason);
  }
  return broken_;
}

std::optional<Failure> JobLog::write_out(std::string_view bytes) {
  int error = write_all(*fs_, fd_, bytes);
  if (error == 0) error = sync_file(*fs_, fd_);
  if (error != 0) return system_failure(error);
  return std::nullopt;
}

}  // namespace m27
