// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_io.h"

#include <fcntl.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>

namespace m27 {
namespace {

// A crashed save can leave a temporary file behind; the next save picks another name.
constexpr int kTemporaryAttempts = 100;
constexpr mode_t kNewFileMode = 0666;  // less the user's umask, as for any new file

struct Temporary {
  int fd = -1;
  std::string name;
};

Result<Temporary> create_temporary(FileSystem& fs, const std::filesystem::path& target) {
  std::string hidden_name = ".";
  hidden_name += target.filename().string();
  const std::string base = (target.parent_path() / hidden_name).string();
  for (int n = 0; n < kTemporaryAttempts; ++n) {
    Temporary temporary{-1, base + ".tmp" + std::to_string(n)};
    temporary.fd =
        fs.open(temporary.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (temporary.fd >= 0) return temporary;
    if (errno != EEXIST) break;
  }
  return system_failure(errno);
}

// A failure here only loses the permissions, never data, so it does not stop the save.
void keep_permissions(FileSystem& fs, int fd, const std::string& target) {
  struct stat status {};
  if (fs.stat(target.c_str(), &status) == 0) fs.fchmod(fd, status.st_mode & 07777);
}

// Writes, flushes and closes the temporary file: 0, or the errno of the first failure. A close
// is never tried twice: the descriptor is gone even when it fails, and may be someone else's.
int fill_temporary(FileSystem& fs, int fd, std::string_view bytes) {
  int error = write_all(fs, fd, bytes);
  if (error == 0) error = sync_file(fs, fd);
  if (fs.close(fd) != 0 && error == 0) error = errno;
  return error;
}

}  // namespace

Failure system_failure(int error) { return {std::generic_category().message(error)}; }

int read_up_to(FileSystem& fs, int fd, std::size_t count, std::string& bytes) {
  std::array<char, 4096> chunk;
  while (bytes.size() < count) {
    const ssize_t n = fs.read(fd, chunk.data(), std::min(chunk.size(), count - bytes.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) break;
    bytes.append(chunk.data(), static_cast<std::size_t>(n));
  }
  return 0;
}

int sync_file(FileSystem& fs, int fd) {
  while (fs.fsync(fd) != 0) {
    if (errno != EINTR) return errno;
  }
  return 0;
}

int sync_folder(FileSystem& fs, const std::filesystem::path& file) {
  const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
  const int fd = fs.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (fd < 0) return errno;
  int error = sync_file(fs, fd);
  if (error == EINVAL || error == ENOTSUP) error = 0;  // some network file systems answer so
  fs.close(fd);
  return error;
}

int write_all(FileSystem& fs, int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = fs.write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

Result<std::string, Words> read_file(const std::filesystem::path& path, std::size_t limit,
                                     FileSystem& fs) {
  const int fd = fs.open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
  if (fd < 0) return as_is(system_failure(errno).reason);
  std::string bytes;
  const int error = read_up_to(fs, fd, limit + 1, bytes);
  fs.close(fd);
  if (error != 0) return as_is(system_failure(error).reason);
  if (bytes.size() > limit) return M27_WORDS("files", "文件大于%1字节").arg(limit);
  return bytes;
}

std::optional<Failure> replace_file(const std::filesystem::path& path, std::string_view bytes,
                                    FileSystem& fs) {
  std::error_code ignored;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, ignored);
  const std::filesystem::path target = resolved.empty() ? path : resolved;
  auto temporary = create_temporary(fs, target);
  if (!temporary) return Failure{temporary.reason()};
  keep_permissions(fs, temporary->fd, target.string());
  int error = fill_temporary(fs, temporary->fd, bytes);
  if (error == 0 && fs.rename(temporary->name.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    fs.unlink(temporary->name.c_str());
    return system_failure(error);
  }
  // The new file is in place, but a power cut could still bring the old one back.
  if (const int unsynced = sync_folder(fs, target)) return system_failure(unsynced);
  return std::nullopt;
}

int create_file(const std::filesystem::path& path, std::string_view bytes, FileSystem& fs) {
  const int fd = fs.open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
  if (fd < 0) return errno;
  const int error = fill_temporary(fs, fd, bytes);
  if (error != 0) fs.unlink(path.c_str());
  return error;
}

}  // namespace m27
