// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_commands.h"

#include "channels/channel_table.h"
#include "files/file_format.h"
#include "files/file_io.h"

namespace m27 {
namespace {

std::optional<Words> write_channel_file(const std::filesystem::path& file, const Sheet& sheet,
                                        FileSystem& fs) {
  const auto bytes = channel_file_bytes(sheet);
  if (!bytes) return bytes.why();
  if (const auto failed = replace_file(file, *bytes, fs)) return as_is(failed->reason);
  return std::nullopt;
}

}  // namespace

Result<std::string, Words> channel_file_bytes(Sheet sheet) {
  normalise_frequencies(sheet);
  return encode_channel_file(channel_file_of(sheet));
}

Notice save_failure(const std::filesystem::path& file, Words reason) {
  return attention(
      M27_WORDS("files", "保存文件失败\n%1\n%2").arg(file.string()).arg(std::move(reason)));
}

Notice open_failure(const std::filesystem::path& file, Words reason) {
  return attention(
      M27_WORDS("files", "打开文件失败\n%1\n%2").arg(file.string()).arg(std::move(reason)));
}

FileOpening open_channel_file(Sheet& sheet, const std::filesystem::path& file, FileSystem& fs) {
  const auto bytes = read_file(file, kMaxChannelFileBytes, fs);
  // The system's own words for why, in the system's language.
  if (!bytes) return {open_failure(file, bytes.why())};
  // An empty file holds no channel at all: applied, it would leave the sheet as it was and a
  // write would send that instead.
  if (bytes->empty()) return {open_failure(file, M27_WORDS("files", "文件是空的"))};
  const auto record = decode_channel_file(*bytes);
  if (!record) return {open_failure(file, record.why())};
  const FileOpening opening{std::nullopt, line_count(*bytes)};
  // What a file cut short leaves out is not the previous grid's, which may belong to another
  // radio or to edits just discarded, but what a freshly started window shows.
  if (!opening.complete()) sheet = startup_sheet();
  apply_channel_file(sheet, *record);
  return opening;
}

Words incomplete_file(std::size_t line_count) {
  return M27_COUNTED_WORDS("files", "文件不完整：只读到%n行").counting(line_count);
}

std::optional<Notice> open_whole_channel_file(Sheet& sheet, const std::filesystem::path& file,
                                              FileSystem& fs) {
  const FileOpening opening = open_channel_file(sheet, file, fs);
  if (opening.refusal || opening.complete()) return opening.refusal;
  return open_failure(file, incomplete_file(opening.line_count));
}

std::optional<Notice> save_channel_file(Sheet& sheet,
                                        const std::optional<std::filesystem::path>& chosen,
                                        FileSystem& fs) {
  normalise_frequencies(sheet);
  if (!chosen) return std::nullopt;
  if (auto failure = write_channel_file(*chosen, sheet, fs)) {
    return save_failure(*chosen, std::move(*failure));
  }
  return std::nullopt;
}

}  // namespace m27
