// SPDX-License-Identifier: GPL-3.0-or-later
// Opens arbitrary bytes as a channel file into a freshly started sheet, saves the result and
// opens that again, and checks what must hold:
// - a refused file leaves the sheet exactly as it was, and says why;
// - an opened sheet is normalised: tones of the mode mode names, no editor open, no frequency
//   tab stop, every frequency that is a number in the "000.00000" form;
// - whatever opens saves again, as 132 lines ended by CR LF that can be opened once more;
// - saving and opening again changes nothing: the file is a fixed point of the two commands.

#include <algorithm>
#include <cstdint>
#include <string>

#include "channels/frequency.h"
#include "channels/options.h"
#include "files/file_commands.h"
#include "files/file_format.h"
#include "fuzz_check.h"

namespace m27 {
namespace {

// A file system of one file, `bytes`, whatever its name: enough for opening it.
class OneFile : public FileSystem {
 public:
  explicit OneFile(std::string bytes) : bytes_(std::move(bytes)) {}
  int open(const char*, int, mode_t) override {
    offset_ = 0;
    return 0;
  }
  ssize_t read(int, void* buffer, size_t count) override {
    const size_t n = bytes_.copy(static_cast<char*>(buffer), count, offset_);
    offset_ += n;
    return static_cast<ssize_t>(n);
  }
  int close(int) override { return 0; }

 private:
  std::string bytes_;
  size_t offset_ = 0;
};

const std::string kFile = "/m27-fuzz/channel.m27";

// Everything saved from a file this much smaller than the limit fits under it: the file's lines
// turn into at most 132 texts, each growing by its CR at most and a frequency by its "000."
// and five decimals, and the fields a short file leaves out hold start-up texts of a few bytes.
constexpr std::size_t kSaveGrowth = 4096;

using fuzz::check;

}  // namespace
}  // namespace m27

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace m27;
  OneFile file(std::string(reinterpret_cast<const char*>(data), size));
  Sheet sheet = startup_sheet();
  if (const auto message = open_channel_file(sheet, kFile, file).refusal) {
    check(sheet == startup_sheet(), "a refused file changed the sheet");
    const char* reason = size == 0 ? "文件是空的" : size > kMaxChannelFileBytes ? "文件大于" : "第";
    check(source_text(message->text).starts_with("打开文件失败\n" + kFile + "\n" + reason) &&
              source_text(message->title) == "注意" && message->icon == MessageIcon::Exclamation,
          "refused without its reason");
    return 0;
  }
  check(sheet.tone_mode == mode_of(sheet.mode), "tones of another mode than the sheet's");
  for (const ChannelRow& row : sheet.rows) {
    check(format_frequency(row.rx_frequency) == row.rx_frequency &&
              format_frequency(row.tx_frequency) == row.tx_frequency,
          "a frequency left unformatted");
  }
  save_channel_file(sheet, std::nullopt);  // what a save does to the sheet
  const auto bytes = channel_file_bytes(sheet);
  if (!bytes && size + kSaveGrowth > kMaxChannelFileBytes) return 0;
  check(bytes.ok(), "an opened file does not save again");
  std::size_t lines = 0;  // each ended by CR LF
  for (auto at = bytes->find("\r\n"); at != std::string::npos; at = bytes->find("\r\n", at + 2)) {
    ++lines;
  }
  check(lines == 132 && std::count(bytes->begin(), bytes->end(), '\n') == 132 &&
            bytes->ends_with("\r\n"),
        "a saved file not of 132 lines ended by CR LF");
  check(bytes->size() <= kMaxChannelFileBytes, "a saved file too large to open");
  OneFile saved(*bytes);
  Sheet reopened = startup_sheet();
  const auto opening = open_channel_file(reopened, kFile, saved);
  check(!opening.refusal && opening.complete(), "a saved file does not open again whole");
  check(reopened == sheet, "saving and opening again changed the sheet");
  return 0;
}
