// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_format.h"

#include <vector>

#include "files/gbk.h"

namespace m27 {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A GBK trail byte is never below 0x40, so LF and CR always end a line, never split a character.
std::vector<std::string_view> split_lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

Result<std::string, Words> encode_channel_file(const ChannelFile& file) {
  const std::vector<std::string> lines = channel_file_lines(file);
  if (auto misplaced = misplaced_frequency_line(lines)) return std::move(*misplaced);
  std::string bytes;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // A line break inside a text would move every later line to another field.
    if (lines[i].find('\n') != std::string::npos) {
      return M27_WORDS("files", "第%1行含有换行符").arg(i + 1);
    }
    const auto gbk = utf8_to_gbk(lines[i]);
    if (!gbk) return M27_WORDS("files", "第%1行含有GBK无法表示的字符").arg(i + 1);
    bytes += *gbk;
    bytes += kLineEnd;
  }
  if (bytes.size() > kMaxChannelFileBytes) {
    return M27_WORDS("files", "文件将大于%1字节").arg(kMaxChannelFileBytes);
  }
  return bytes;
}

Result<ChannelFile, Words> decode_channel_file(std::string_view bytes) {
  const std::vector<std::string_view> raw = split_lines(bytes);
  std::vector<std::string> lines;
  lines.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    auto text = gbk_to_utf8(raw[i]);
    if (!text) return M27_WORDS("files", "第%1行不是有效的GBK文字").arg(i + 1);
    lines.push_back(std::move(*text));
  }
  if (auto misplaced = misplaced_frequency_line(lines)) return std::move(*misplaced);
  return channel_file_from_lines(lines);
}

std::size_t line_count(std::string_view bytes) { return split_lines(bytes).size(); }

}  // namespace m27
