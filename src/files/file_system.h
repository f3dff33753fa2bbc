// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system calls a channel file passes through on its way to and from the disk. Each member
// behaves as the POSIX call of the same name (-1 and errno on failure); a test derives from
// this class and makes one of them fail to see that nothing is lost.

#include <sys/stat.h>
#include <sys/types.h>

namespace m27 {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual int open(const char* path, int flags, mode_t mode);
  virtual ssize_t read(int fd, void* buffer, size_t count);
  virtual ssize_t write(int fd, const void* buffer, size_t count);
  virtual int fsync(int fd);
  virtual int fchmod(int fd, mode_t mode);
  virtual int close(int fd);
  virtual int stat(const char* path, struct stat* status);
  virtual int rename(const char* from, const char* to);
  virtual int unlink(const char* path);
};

// The machine's own file system.
FileSystem& local_file_system();

}  // namespace m27
