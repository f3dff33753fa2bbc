// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole small files in and out, so that a failure never leaves half a file behind: a read is
// all or nothing, and a file is replaced only by a complete copy that is already on the disk.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "channels/result.h"
#include "channels/words.h"
#include "files/file_system.h"

namespace m27 {

// The system's text for the errno `error`.
Failure system_failure(int error);

// Reads from `fd` until its end or until `bytes` holds `count` bytes: 0, or the errno of the
// failure.
int read_up_to(FileSystem& fs, int fd, std::size_t count, std::string& bytes);

// Flushes `fd` to the disk, again after a signal broke in: 0, or the errno of the failure.
int sync_file(FileSystem& fs, int fd);

// Flushes the folder that holds `file`, so that a file created or renamed there lasts a power
// cut: 0, or the errno of the failure. A file system that cannot sync a folder counts as done.
int sync_folder(FileSystem& fs, const std::filesystem::path& file);

// Writes all of `bytes` to `fd`: 0, or the errno of the failure.
int write_all(FileSystem& fs, int fd, std::string_view bytes);

// The bytes of a file of at most `limit` bytes. A larger file, or one that cannot be opened or
// read, gives the reason instead (the system's text, or "文件大于65536字节" for the size).
// A named pipe without a writer reads as empty instead of blocking.
Result<std::string, Words> read_file(const std::filesystem::path& path, std::size_t limit,
                                     FileSystem& fs = local_file_system());

// Writes `bytes` to a new file beside `path`, flushes it to the disk, then renames it over
// `path`, which it replaces without asking, and flushes the folder. A symbolic link stays a link:
// the file it points to is replaced. An existing file keeps its permissions. On any failure the old
// file is untouched, the new one removed, and the system's reason comes back.
std::optional<Failure> replace_file(const std::filesystem::path& path, std::string_view bytes,
                                    FileSystem& fs = local_file_system());

// Writes `bytes` to a new file at `path` and flushes it to the disk: 0, or the errno of the
// failure. A path that is taken gives EEXIST and is left alone; a file that could not be written
// whole is removed again.
int create_file(const std::filesystem::path& path, std::string_view bytes,
                FileSystem& fs = local_file_system());

}  // namespace m27
