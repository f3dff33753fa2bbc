// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace m27 {

int FileSystem::open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

ssize_t FileSystem::read(int fd, void* buffer, size_t count) { return ::read(fd, buffer, count); }

ssize_t FileSystem::write(int fd, const void* buffer, size_t count) {
  return ::write(fd, buffer, count);
}

int FileSystem::fsync(int fd) { return ::fsync(fd); }

int FileSystem::fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }

int FileSystem::close(int fd) { return ::close(fd); }

int FileSystem::stat(const char* path, struct stat* status) { return ::stat(path, status); }

int FileSystem::rename(const char* from, const char* to) { return std::rename(from, to); }

int FileSystem::unlink(const char* path) { return ::unlink(path); }

FileSystem& local_file_system() {
  static FileSystem system;
  return system;
}

}  // namespace m27
