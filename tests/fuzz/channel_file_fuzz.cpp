// Opens arbitrary bytes as a channel file into a freshly started sheet, saves the result and
// opens that again, all through an in-memory file system, and checks what must hold:
// - a refused file leaves the sheet exactly as it was, and says why;
// - an opened sheet is normalised: tones of the mode mode names, no editor open, no frequency
//   tab stop, every frequency that is a number in the "000.00000" form;
// - whatever opens saves again, as 132 lines ended by CR LF that can be opened once more;
// - saving and opening again changes nothing: the file is a fixed point of the two commands.

#include <fcntl.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "channels/frequency.h"
#include "channels/options.h"
#include "files/file_commands.h"
#include "files/file_format.h"

namespace m27 {
namespace {

// Files as strings; descriptors index the open files. Enough for one read and one replace.
class MemoryFileSystem : public FileSystem {
 public:
  explicit MemoryFileSystem(std::map<std::string, std::string> files) : files_(std::move(files)) {}

  const std::string& file(const std::string& path) { return files_[path]; }

  int open(const char* path, int flags, mode_t) override {
    const bool exists = files_.contains(path);
    if ((flags & O_CREAT) && (flags & O_EXCL) && exists) return fail(EEXIST);
    if (!(flags & O_CREAT) && !exists) return fail(ENOENT);
    files_[path];
    open_.push_back({path, 0});
    return static_cast<int>(open_.size()) - 1;
  }
  ssize_t read(int fd, void* buffer, size_t count) override {
    OpenFile& f = open_.at(fd);
    const std::string& bytes = files_.at(f.path);
    const size_t n = std::min(count, bytes.size() - f.offset);
    bytes.copy(static_cast<char*>(buffer), n, f.offset);
    f.offset += n;
    return static_cast<ssize_t>(n);
  }
  ssize_t write(int fd, const void* buffer, size_t count) override {
    files_.at(open_.at(fd).path).append(static_cast<const char*>(buffer), count);
    return static_cast<ssize_t>(count);
  }
  int fsync(int) override { return 0; }
  int fchmod(int, mode_t) override { return 0; }
  int close(int) override { return 0; }
  int stat(const char* path, struct stat*) override {
    return files_.contains(path) ? 0 : fail(ENOENT);
  }
  int rename(const char* from, const char* to) override {
    files_[to] = std::move(files_.at(from));
    files_.erase(from);
    return 0;
  }
  int unlink(const char* path) override { return files_.erase(path) ? 0 : fail(ENOENT); }

 private:
  struct OpenFile {
    std::string path;
    size_t offset;
  };
  static int fail(int error) {
    errno = error;
    return -1;
  }
  std::map<std::string, std::string> files_;
  std::vector<OpenFile> open_;
};

const std::string kFile = "/m27-fuzz/channel.m27";

// Everything saved from a file this much smaller than the limit fits under it: the file's lines
// turn into at most 132 texts, each growing by its CR at most and a frequency by its "000."
// and five decimals, and the fields a short file leaves out hold start-up texts of a few bytes.
constexpr std::size_t kSaveGrowth = 4096;

void check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "channel_file_fuzz: %s\n", what);
  std::abort();
}

bool is_refusal_of(const Message& message, std::string_view reason_start) {
  const std::string start = "打开文件失败\n" + kFile + "\n";
  return message.text.starts_with(start) &&
         std::string_view(message.text).substr(start.size()).starts_with(reason_start) &&
         message.title == "注意" && message.icon == MessageIcon::Exclamation;
}

void check_refused(const Sheet& sheet, const Message& message, std::size_t size) {
  static const Sheet kStartup = startup_sheet();
  check(sheet == kStartup, "a refused file changed the sheet");
  const bool too_large = size > kMaxChannelFileBytes;
  check(is_refusal_of(message, too_large ? "文件大于" : "第"), "refused without its reason");
}

void check_normalised(const Sheet& sheet) {
  check(sheet.tone_mode == mode_of(sheet.mode), "tones of another mode than Combo4's");
  for (const ChannelRow& row : sheet.rows) {
    check(!row.tx_tone_editor && !row.rx_tone_editor, "a tone editor left open");
    check(!row.rx_tab_stop && !row.tx_tab_stop, "a frequency cell kept its tab stop");
    check(format_frequency(row.rx_frequency) == row.rx_frequency,
          "a receive frequency left unformatted");
    check(format_frequency(row.tx_frequency) == row.tx_frequency,
          "a transmit frequency left unformatted");
  }
}

void check_lines(const std::string& bytes) {
  std::size_t lines = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\n') continue;
    check(i > 0 && bytes[i - 1] == '\r', "a line of a saved file without CR LF");
    ++lines;
  }
  check(lines == 132 && bytes.ends_with("\r\n"), "a saved file not of 132 lines");
  check(bytes.size() <= kMaxChannelFileBytes, "a saved file too large to open");
}

void check_round_trip(std::size_t size, const Sheet& opened) {
  MemoryFileSystem fs({});
  Sheet saved = opened;
  const auto failure = save_channel_file(saved, kFile, fs);
  if (size + kSaveGrowth > kMaxChannelFileBytes && failure) return;
  check(!failure, "an opened file does not save again");
  check_lines(fs.file(kFile));
  Sheet reopened = startup_sheet();
  check(!open_channel_file(reopened, kFile, fs), "a saved file does not open again");
  check(reopened == saved, "saving and opening again changed the sheet");
}

}  // namespace
}  // namespace m27

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace m27;
  MemoryFileSystem fs({{kFile, std::string(reinterpret_cast<const char*>(data), size)}});
  Sheet sheet = startup_sheet();
  if (const auto message = open_channel_file(sheet, kFile, fs)) {
    check_refused(sheet, *message, size);
    return 0;
  }
  check_normalised(sheet);
  check_round_trip(size, sheet);
  return 0;
}
