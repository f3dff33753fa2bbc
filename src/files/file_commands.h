// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open and save commands once the file dialog has answered, for the window and the
// command line alike, and the messages they show when a file cannot be read or written.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "channels/result.h"
#include "channels/sheet.h"
#include "channels/words.h"
#include "files/channel_file.h"
#include "files/file_system.h"

namespace m27 {

// "保存文件失败\n<file>\n<reason>", title "注意", exclamation icon.
Notice save_failure(const std::filesystem::path& file, Words reason);

// "打开文件失败\n<file>\n<reason>", title "注意", exclamation icon.
Notice open_failure(const std::filesystem::path& file, Words reason);

// The bytes a save of the sheet writes: the sheet after `normalise_frequencies` as a channel file.
Result<std::string, Words> channel_file_bytes(Sheet sheet);

// What opening a channel file came to.
struct FileOpening {
  std::optional<Notice> refusal;  // the file was refused and the sheet is as it was
  std::size_t line_count = 0;     // the lines of the file that was applied
  // A file of fewer lines sets only the fields its lines reach, over the start-up sheet; nobody
  // can tell from the file what the rest should be.
  bool complete() const { return line_count >= kChannelFileLines; }
};

// Reads and applies the file (`apply_channel_file`), a file cut short over the start-up sheet.
// A file that cannot be read, is larger than 64 KiB, is empty, holds a line that is not GBK or a
// frequency line that is no number leaves the sheet exactly as it was and gives the message to
// show.
FileOpening open_channel_file(Sheet& sheet, const std::filesystem::path& file,
                              FileSystem& fs = local_file_system());

// "文件不完整：只读到131行": what the window says after opening a file of fewer than 132 lines,
// and the reason a write from the command line refuses it.
Words incomplete_file(std::size_t line_count);

// `open_channel_file` for the commands that send a file to the radio or hold the radio to it
// (`m27 write`, `m27 verify`): nobody sees what would fill the missing part of a file cut short,
// so it is refused too ("打开文件失败\n<file>\n文件不完整：只读到131行").
std::optional<Notice> open_whole_channel_file(Sheet& sheet, const std::filesystem::path& file,
                                              FileSystem& fs = local_file_system());

// `normalise_frequencies`, then the record is written to the chosen file (nullopt: the dialog was
// cancelled). A failed save leaves an existing file untouched and gives the message to show.
std::optional<Notice> save_channel_file(Sheet& sheet,
                                        const std::optional<std::filesystem::path>& chosen,
                                        FileSystem& fs = local_file_system());

}  // namespace m27
