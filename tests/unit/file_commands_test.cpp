// SPDX-License-Identifier: GPL-3.0-or-later
// Channel files on the disk, saved, opened and kept as backups: what comes back, what a failure
// says and that it leaves the file and the sheet as they were, whatever step of the disk fails.

#include "files/file_commands.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

#include "files/backup_store.h"
#include "sheet_line.h"

namespace m27 {
namespace {

using namespace std::chrono_literals;

std::string system_reason(int error) { return std::generic_category().message(error); }

// A folder of the test's own under the test temp dir, removed with everything in it.
struct ScratchDir {
  std::filesystem::path path = mkdtemp((testing::TempDir() + "m27-files-XXXXXX").data());
  ~ScratchDir() { std::filesystem::remove_all(path); }
  std::filesystem::path operator/(std::string_view name) const { return path / name; }
};

std::set<std::string> names_in(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

void write_bytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string read_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

enum class Step { None, Create, Write, WriteNothing, Fsync, Close, Rename, FolderOpen, FolderSync };

// The machine's file system, slow: every read and write is interrupted first and then moves one
// byte. From the step given on, it fails as the disk would fail it; a write fails once a byte
// has reached the disk, a failing close still frees the descriptor.
class Disk : public FileSystem {
 public:
  explicit Disk(Step failing = Step::None, int error = 0) : failing_(failing), error_(error) {}
  int open(const char* path, int flags, mode_t mode) override {
    const bool folder = flags & O_DIRECTORY;
    if (fails(folder ? Step::FolderOpen : Step::Create)) return -1;
    const int fd = FileSystem::open(path, flags, mode);
    if (folder) folder_ = fd;
    return fd;
  }
  ssize_t read(int fd, void* buffer, size_t count) override {
    return interrupted() ? -1 : FileSystem::read(fd, buffer, std::min<size_t>(count, 1));
  }
  ssize_t write(int fd, const void* buffer, size_t count) override {
    if (interrupted() || (wrote_ && fails(Step::Write))) return -1;
    if (wrote_ && failing_ == Step::WriteNothing) return 0;  // a disk that takes no byte more
    wrote_ = true;
    return FileSystem::write(fd, buffer, std::min<size_t>(count, 1));
  }
  int fsync(int fd) override {
    return fails(fd == folder_ ? Step::FolderSync : Step::Fsync) ? -1 : FileSystem::fsync(fd);
  }
  int close(int fd) override { return FileSystem::close(fd) != 0 || fails(Step::Close) ? -1 : 0; }
  int rename(const char* from, const char* to) override {
    return fails(Step::Rename) ? -1 : FileSystem::rename(from, to);
  }

 private:
  bool fails(Step step) {
    if (step == failing_) errno = error_;
    return step == failing_;
  }
  bool interrupted() {
    interrupted_ = !interrupted_;
    if (interrupted_) errno = EINTR;
    return interrupted_;
  }
  Step failing_;
  int error_;
  bool wrote_ = false;
  bool interrupted_ = false;
  int folder_ = -1;
};

// A sheet as the grid holds it after the user's edits: frequencies unformatted.
Sheet edited_sheet() {
  Sheet sheet = startup_sheet();
  set_line(sheet.rows[0], kRowFields, "409.75|450.003|D023|OFF|窄带");
  sheet.rows[1].tx_tone = "67.0";
  sheet.rows[3].tx_tone = "D025";
  sheet.rows[24].bandwidth = "宽带";
  set_line(sheet, kOptionFields, "1:普通模式|禁止|开|开|2:中国频率|12");
  sheet.fill_step = "900";
  return sheet;
}

// What was saved is the committed, normalised table, in and out through a slow disk. The old
// file is replaced: a symbolic link stays a link, the file keeps its permissions, a temporary a
// crash left stays.
TEST(FileCommands, SaveThenOpenGivesBackThe132Texts) {
  using std::filesystem::perms;
  const auto kMode = perms::owner_read | perms::owner_write | perms::group_read;
  ScratchDir dir;
  write_bytes(dir / "a.m27", "a much longer old content\r\n");
  std::filesystem::permissions(dir / "a.m27", kMode);
  write_bytes(dir / ".a.m27.tmp0", "left by a crash");
  std::filesystem::create_symlink("a.m27", dir / "link.m27");
  Disk slow;
  Sheet saved = edited_sheet();
  ASSERT_EQ(save_channel_file(saved, dir / "link.m27", slow), std::nullopt);
  EXPECT_EQ(std::filesystem::status(dir / "a.m27").permissions(), kMode);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.m27"));
  EXPECT_EQ(read_bytes(dir / ".a.m27.tmp0"), "left by a crash");
  EXPECT_EQ(names_in(dir.path), (std::set<std::string>{".a.m27.tmp0", "a.m27", "link.m27"}));
  Sheet opened = startup_sheet();
  EXPECT_EQ(open_channel_file(opened, dir / "a.m27", slow).line_count, 132u);
  EXPECT_EQ(channel_file_of(opened), channel_file_of(saved));
  EXPECT_EQ(line_of(opened.rows[0], kRowFields), "409.75000|450.00000|D023|OFF|窄带");
}

// An emoji in the transmit tone of row 0 (line 77) has no GBK code; the folder has gone since
// the dialog showed it; a read-only file system, a full disk, data that never reaches the disk,
// a quota reported at close, a failing last step; the dialog cancelled; a disk that stops taking
// bytes without saying why. Whatever happens, the edits are committed and the frequency cells
// lose their tab stops.
TEST(FileCommands, AFailedSaveSaysWhyAndLeavesTheOldFileAndNoTemporary) {
  struct Case {
    const char* tx_tone;
    const char* file;  // nullptr: the dialog was cancelled
    Step step;
    int error;
  };
  // clang-format off
  const Case kBad[] = {
      {"😀", "a.m27", Step::None, 0},         {"OFF", "missing/a.m27", Step::None, ENOENT},
      {"OFF", "a.m27", Step::Create, EROFS}, {"OFF", "a.m27", Step::Write, ENOSPC},
      {"OFF", "a.m27", Step::Fsync, EIO},    {"OFF", "a.m27", Step::Close, EDQUOT},
      {"OFF", "a.m27", Step::Rename, EXDEV}, {"OFF", nullptr, Step::None, 0},
      {"OFF", "a.m27", Step::WriteNothing, EIO},
  };
  // clang-format on
  const std::string old_bytes = "1:\xC6\xD5\xCD\xA8\xC4\xA3\xCA\xBD\r\nold\r\n";
  for (const auto& c : kBad) {
    ScratchDir dir;
    write_bytes(dir / "a.m27", old_bytes);
    Disk failing(c.step, c.error);
    Sheet sheet = edited_sheet();
    sheet.rows[0].tx_tone = c.tx_tone;
    const auto file = c.file ? std::optional(dir / c.file) : std::nullopt;
    const std::string reason = c.error ? system_reason(c.error) : "第77行含有GBK无法表示的字符";
    EXPECT_EQ(shown(save_channel_file(sheet, file, failing)),
              file ? "注意 (!) 保存文件失败\n" + file->string() + "\n" + reason : "nothing");
    EXPECT_EQ(read_bytes(dir / "a.m27"), old_bytes) << c.error;
    EXPECT_EQ(names_in(dir.path), std::set<std::string>{"a.m27"}) << c.error;
  }
}

// A folder that cannot be opened or synced fails the save, though the new file is in place: a power
// cut may still bring back the old one. Some network file systems cannot sync a folder at all.
TEST(FileCommands, AFolderSyncThatFailsFailsTheSave) {
  const std::tuple<Step, int, bool> kCases[] = {{Step::FolderSync, EIO, true},
                                                {Step::FolderSync, EINVAL, false},
                                                {Step::FolderSync, ENOTSUP, false},
                                                {Step::FolderOpen, EACCES, true}};
  for (const auto& [step, error, failed] : kCases) {
    ScratchDir dir;
    Disk disk(step, error);
    Sheet sheet = edited_sheet();
    const std::string failure =
        "注意 (!) 保存文件失败\n" + (dir / "a.m27").string() + "\n" + system_reason(error);
    EXPECT_EQ(shown(save_channel_file(sheet, dir / "a.m27", disk)), failed ? failure : "nothing");
    EXPECT_EQ(read_bytes(dir / "a.m27"), *channel_file_bytes(sheet));
  }
}

// The mode and one frequency are read before the line that is no GBK; a byte over 64 KiB; a file
// deleted since the dialog listed it; an empty file (it would leave the sheet as it was, to be
// written); a folder; a named pipe without a writer (it must not wait for one); text that is no
// channel file.
TEST(FileCommands, AFailedOpenSaysWhyAndChangesNothing) {
  ScratchDir dir;
  write_bytes(dir / "bad.m27", "2:\xD7\xA8\xD2\xB5\xC4\xA3\xCA\xBD\r\n450.12500\r\n\xFF\r\n");
  write_bytes(dir / "hello.m27", "hello world\r\nhello world\r\n");
  write_bytes(dir / "big.m27", std::string(65537, '\n'));
  write_bytes(dir / "empty.m27", "");
  mkfifo((dir / "pipe.m27").c_str(), 0600);
  // clang-format off
  const std::pair<const char*, std::string> kBad[] = {
      {"bad.m27", "第3行不是有效的GBK文字"}, {"big.m27", "文件大于65536字节"},
      {"none.m27", system_reason(ENOENT)},   {"empty.m27", "文件是空的"},
      {"", system_reason(EISDIR)},           {"pipe.m27", "文件是空的"},
      {"hello.m27", "第2行（接收频率）：“hello world”不是有效的频率"},
  };
  // clang-format on
  for (const auto& [name, reason] : kBad) {
    Sheet sheet = edited_sheet();
    const auto refusal = open_channel_file(sheet, dir / name).refusal;
    ASSERT_TRUE(refusal) << name;
    EXPECT_EQ(source_text(refusal->text), "打开文件失败\n" + (dir / name).string() + "\n" + reason);
    EXPECT_EQ(source_text(refusal->title), "注意");
    EXPECT_EQ(sheet, edited_sheet()) << name;
  }
}

// A file cut short opens as far as it reaches, the rest as a freshly started window shows it
// whatever the grid held before; the commands that send it to the radio refuse it.
TEST(FileCommands, AFileCutShortOpensAsFarAsItReachesAndSaysHowFar) {
  ScratchDir dir;
  Sheet saved = edited_sheet();
  const std::string whole = *channel_file_bytes(saved);
  // The bytes, the lines they hold, the last line's field. Without the last line end; without
  // the last line ("开" is 2 bytes in GBK); one empty line; 64 KiB, the most that is read.
  const std::tuple<std::string, std::size_t, const char*> kCases[] = {
      {whole.substr(0, whole.size() - 2), 132, "开"},
      {whole.substr(0, whole.size() - 4), 131, "关"},
      {"\r\n", 1, "关"},
      {std::string(65536, '\n'), 65536, ""},
  };
  for (const auto& [bytes, line_count, fsk] : kCases) {
    write_bytes(dir / "a.m27", bytes);
    Sheet sheet = edited_sheet();  // FSK 开
    const FileOpening opening = open_channel_file(sheet, dir / "a.m27");
    EXPECT_EQ(opening.refusal, std::nullopt) << line_count;
    EXPECT_EQ(opening.line_count, line_count);
    EXPECT_EQ(sheet.fsk, fsk) << line_count;
    const std::string refusal = "打开文件失败\n" + (dir / "a.m27").string() +
                                "\n文件不完整：只读到" + std::to_string(line_count) + "行";
    const auto whole = open_whole_channel_file(sheet, dir / "a.m27");
    EXPECT_EQ(whole ? source_text(whole->text) : "", line_count >= 132 ? "" : refusal);
  }
}

const LocalTime kReadAt{2026, 12, 7, 6, 45, 12, 123};

TEST(BackupStore, SavesWhatASaveWritesAndNeverOverwrites) {
  ScratchDir dir;
  const std::filesystem::path folder = dir / "data/m27/backups";
  Sheet sheet = startup_sheet();
  sheet.rows[3].rx_frequency = "451.1";
  const auto first = save_backup(folder, kReadAt, sheet);
  const auto second = save_backup(folder, kReadAt, startup_sheet());
  ASSERT_TRUE(first && second);
  EXPECT_EQ(*first, folder / "20261207-064512-123.m27");
  EXPECT_EQ(*second, folder / "20261207-064512-123_2.m27");
  EXPECT_NE(read_bytes(*first).find("\r\n451.10000\r\n"), std::string::npos);  // as saved
  EXPECT_EQ(read_bytes(*second), *channel_file_bytes(startup_sheet()));
  EXPECT_TRUE(is_backup_name(second->filename().string()));  // pruned as the others
  for (const char* name :
       {"20261207x064512-123.m27", "20261207-064512x123.m27", "2026120a-064512-123.m27",
        "20261207-06451/-123.m27", "20261207-064512-12:.m27", "20261207-064512-123_.m27",
        "20261207-064512-123x2.m27", "20261207-064512-123_1.m28"}) {
    EXPECT_FALSE(is_backup_name(name)) << name;
  }
  EXPECT_EQ(backup_name({2027, 1, 2, 3, 4, 5, 6}), "20270102-030405-006.m27");
  setenv("TZ", "CST-8", 1);  // named by the machine's clock
  tzset();
  const auto read_at = std::chrono::system_clock::from_time_t(1796597112) + 123ms;
  EXPECT_EQ(backup_name(local_time(read_at)), "20261207-064512-123.m27");
  write_bytes(dir / "file", "");  // a folder that cannot be made says why
  EXPECT_EQ(source_text(save_backup(dir / "file" / "backups", kReadAt, sheet).why()),
            "Not a directory");
}

// With the clock behind the names already there (a shop PC whose clock was reset) the backup
// just written is the oldest by name and by time, and still it stays.
TEST(BackupStore, KeepsTheNewestThousandAndTheOneJustWrittenAndNothingElse) {
  for (const int year : {2025, 2099}) {  // of the 1,000 backups already there
    ScratchDir dir;
    for (int i = 0; i < 1000; ++i) {
      write_bytes(dir / backup_name({year, 1, 1 + i / 100, 0, 0, i % 60, i}), "old");
    }
    // The dealer's own files, one a digit short of a backup's name, are no backups.
    for (const char* name : {"notes.txt", "shop.m27", "20251231-000000-99.m27"}) {
      write_bytes(dir / name, "mine");
    }
    const auto saved = save_backup(dir.path, kReadAt, startup_sheet());
    ASSERT_TRUE(saved);
    const auto names = names_in(dir.path);
    EXPECT_EQ(names.size(), 1003u) << year;
    EXPECT_EQ(names.count(saved->filename().string()), 1u) << year;
    EXPECT_EQ(names.count(backup_name({year, 1, 1, 0, 0, 0, 0})), 0u) << "the oldest goes";
    EXPECT_EQ(names.count(backup_name({year, 1, 1, 0, 0, 1, 1})), 1u) << year;
  }
}

}  // namespace
}  // namespace m27
