#include "files/file_commands.h"

#include "channels/channel_table.h"
#include "channels/grid_edit.h"
#include "files/file_format.h"
#include "files/file_io.h"

namespace m27 {
namespace {

Message file_failure(std::string_view what, const std::filesystem::path& file,
                     std::string_view reason) {
  std::string text(what);
  text += '\n';
  text += file.string();
  text += '\n';
  text += reason;
  return attention(std::move(text));
}

std::optional<Failure> write_channel_file(const std::filesystem::path& file,
                                          const ChannelFile& record, FileSystem& fs) {
  const auto bytes = encode_channel_file(record);
  if (!bytes) return Failure{bytes.reason()};
  return replace_file(file, *bytes, fs);
}

}  // namespace

Message save_failure(const std::filesystem::path& file, std::string_view reason) {
  return file_failure("保存文件失败", file, reason);
}

Message open_failure(const std::filesystem::path& file, std::string_view reason) {
  return file_failure("打开文件失败", file, reason);
}

std::optional<Message> open_channel_file(Sheet& sheet, const std::filesystem::path& file,
                                         FileSystem& fs) {
  const auto bytes = read_file(file, kMaxChannelFileBytes, fs);
  if (!bytes) return open_failure(file, bytes.reason());
  const auto record = decode_channel_file(*bytes);
  if (!record) return open_failure(file, record.reason());
  apply_channel_file(sheet, *record);
  return std::nullopt;
}

std::optional<Message> save_channel_file(Sheet& sheet,
                                         const std::optional<std::filesystem::path>& chosen,
                                         FileSystem& fs) {
  commit_edits(sheet);
  std::optional<Message> message;
  if (chosen) {
    if (const auto failure = write_channel_file(*chosen, channel_file_of(sheet), fs)) {
      message = save_failure(*chosen, failure->reason);
    }
  }
  clear_frequency_tab_stops(sheet);
  return message;
}

}  // namespace m27
