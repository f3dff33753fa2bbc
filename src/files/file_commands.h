#pragma once
// The open and save commands once the file dialog has answered, for the window and the
// command line alike, and the messages they show when a file cannot be read or written.

#include <filesystem>
#include <optional>
#include <string_view>

#include "channels/message.h"
#include "channels/sheet.h"
#include "files/file_system.h"

namespace m27 {

// "保存文件失败\n<file>\n<reason>", title "注意", exclamation icon.
Message save_failure(const std::filesystem::path& file, std::string_view reason);

// "打开文件失败\n<file>\n<reason>", title "注意", exclamation icon.
Message open_failure(const std::filesystem::path& file, std::string_view reason);

// Reads and applies the file (`apply_channel_file`). A file that cannot be read, is larger than
// 64 KiB or holds a line that is not GBK leaves the sheet exactly as it was and gives the
// message to show.
std::optional<Message> open_channel_file(Sheet& sheet, const std::filesystem::path& file,
                                         FileSystem& fs = local_file_system());

// `commit_edits`, then the record is written to the chosen file (nullopt: the dialog was
// cancelled), then the frequency cells lose their tab stops, whatever came of the writing.
// A failed save leaves an existing file untouched and gives the message to show.
std::optional<Message> save_channel_file(Sheet& sheet,
                                         const std::optional<std::filesystem::path>& chosen,
                                         FileSystem& fs = local_file_system());

}  // namespace m27
