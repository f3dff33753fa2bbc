// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bytes of a channel file: one line per text, in GBK, each line ended by CR LF.

#include <cstddef>
#include <string>
#include <string_view>

#include "channels/result.h"
#include "files/channel_file.h"

namespace m27 {

// A channel file is about 1 KiB; anything above this is no channel file and is not read.
inline constexpr std::size_t kMaxChannelFileBytes = 64 * 1024;

// The 132 lines in GBK, CR LF after every one. A text that holds a line break or a character
// GBK has no code for fails with its line number ("第5行含有GBK无法表示的字符"), and so do a
// frequency that is no number (`misplaced_frequency_line`) and a file that would be too large to
// open again.
Result<std::string, Words> encode_channel_file(const ChannelFile& file);

// The record in a file's bytes. A line ends with CR LF, a bare LF or the end of the file; one
// CR before its end is dropped. A line that is not GBK fails with its number
// ("第5行不是有效的GBK文字"), and so does a frequency line that is no number
// (`misplaced_frequency_line`).
Result<ChannelFile, Words> decode_channel_file(std::string_view bytes);

// The number of lines in a file's bytes, counted as `decode_channel_file` splits them: 0 for an
// empty file, 132 for a whole one.
std::size_t line_count(std::string_view bytes);

}  // namespace m27
