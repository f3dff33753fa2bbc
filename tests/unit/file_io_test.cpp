#include "files/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "scratch_dir.h"

namespace m27 {
namespace {

std::string system_reason(int error) { return std::generic_category().message(error); }

enum class Step { Create, Write, Fsync, Close, Rename };

// The machine's file system with one step of a save failing as the disk would fail it.
class FailingFileSystem : public FileSystem {
 public:
  FailingFileSystem(Step step, int error) : step_(step), error_(error) {}

  int open(const char* path, int flags, mode_t mode) override {
    return step_ == Step::Create ? fail() : FileSystem::open(path, flags, mode);
  }
  ssize_t write(int fd, const void* buffer, size_t count) override {
    if (step_ != Step::Write) return FileSystem::write(fd, buffer, count);
    if (wrote_) return fail();
    wrote_ = true;  // half the bytes reach the disk before it is full
    return FileSystem::write(fd, buffer, count / 2);
  }
  int fsync(int fd) override { return step_ == Step::Fsync ? fail() : FileSystem::fsync(fd); }
  int close(int fd) override {
    const int result = FileSystem::close(fd);  // a failing close still frees the descriptor
    return step_ == Step::Close ? fail() : result;
  }
  int rename(const char* from, const char* to) override {
    return step_ == Step::Rename ? fail() : FileSystem::rename(from, to);
  }

 private:
  int fail() {
    errno = error_;
    return -1;
  }
  Step step_;
  int error_;
  bool wrote_ = false;
};

// Reads and writes one byte per call and is interrupted before every call that moves data.
class SlowFileSystem : public FileSystem {
 public:
  ssize_t read(int fd, void* buffer, size_t count) override {
    return interrupt() ? -1 : FileSystem::read(fd, buffer, count > 0 ? 1 : 0);
  }
  ssize_t write(int fd, const void* buffer, size_t count) override {
    return interrupt() ? -1 : FileSystem::write(fd, buffer, count > 0 ? 1 : 0);
  }

 private:
  bool interrupt() {
    interrupted_ = !interrupted_;
    if (interrupted_) errno = EINTR;
    return interrupted_;
  }
  bool interrupted_ = false;
};

TEST(FileIo, ReplaceWritesTheBytesAndKeepsPermissionsLinksAndOtherFiles) {
  using std::filesystem::perms;
  const auto kMode = perms::owner_read | perms::owner_write | perms::group_read;
  ScratchDir dir;
  EXPECT_EQ(replace_file(dir / "new.m27", "new\r\n"), std::nullopt);
  write_bytes(dir / "a.m27", "a much longer old content\r\n");
  std::filesystem::permissions(dir / "a.m27", kMode);
  write_bytes(dir / ".a.m27.tmp0", "left by a crash");
  std::filesystem::create_symlink("a.m27", dir / "link.m27");
  EXPECT_EQ(replace_file(dir / "link.m27", "new"), std::nullopt);
  EXPECT_EQ(read_bytes(dir / "new.m27"), "new\r\n");
  EXPECT_EQ(read_bytes(dir / "a.m27"), "new");
  EXPECT_EQ(std::filesystem::status(dir / "a.m27").permissions(), kMode);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.m27"));
  EXPECT_EQ(read_bytes(dir / ".a.m27.tmp0"), "left by a crash");
  EXPECT_EQ(dir.names(), (std::set<std::string>{".a.m27.tmp0", "a.m27", "link.m27", "new.m27"}));
}

TEST(FileIo, ReplaceAndReadMoveEveryByteThroughShortAndInterruptedCalls) {
  ScratchDir dir;
  SlowFileSystem slow;
  const std::string bytes(300, 'x');
  EXPECT_EQ(replace_file(dir / "a.m27", bytes, slow), std::nullopt);
  EXPECT_EQ(read_bytes(dir / "a.m27"), bytes);
  const auto read = read_file(dir / "a.m27", 65536, slow);
  ASSERT_TRUE(read) << read.reason();
  EXPECT_EQ(*read, bytes);
}

TEST(FileIo, AFailedReplaceLeavesTheOldFileAsItWas) {
  struct Case {
    Step step;
    int error;
  };
  const Case kBad[] = {
      {Step::Create, EROFS},  // the folder is on a read-only file system
      {Step::Write, ENOSPC},  // the disk fills up halfway
      {Step::Fsync, EIO},     // the data never reaches the disk
      {Step::Close, EDQUOT},  // a network file system reports the quota at close
      {Step::Rename, EXDEV},  // the last step fails
  };
  const std::string old_bytes = "1:\xC6\xD5\xCD\xA8\xC4\xA3\xCA\xBD\r\nold\r\n";
  for (const auto& c : kBad) {
    ScratchDir dir;
    write_bytes(dir / "a.m27", old_bytes);
    FailingFileSystem failing(c.step, c.error);
    const auto failure = replace_file(dir / "a.m27", std::string(1000, 'n'), failing);
    ASSERT_TRUE(failure) << c.error;
    EXPECT_EQ(failure->reason, system_reason(c.error));
    EXPECT_EQ(read_bytes(dir / "a.m27"), old_bytes) << c.error;
    EXPECT_EQ(dir.names(), std::set<std::string>{"a.m27"}) << c.error;  // no temporary left
  }
}

// Root writes into any folder, so the save runs in a child process that gives root up.
[[noreturn]] void replace_as_a_user(const std::filesystem::path& file) {
  constexpr uid_t kNobody = 65534;
  if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) std::_Exit(2);
  const auto failure = replace_file(file, "new");
  std::_Exit(failure && failure->reason == system_reason(EACCES) ? 0 : 1);
}

TEST(FileIo, ReplaceFailsInAReadOnlyFolder) {
  ScratchDir dir;
  write_bytes(dir / "a.m27", "old");
  using std::filesystem::perms;
  std::filesystem::permissions(dir.path(), perms::owner_read | perms::owner_exec |
                                               perms::group_read | perms::group_exec |
                                               perms::others_read | perms::others_exec);
  EXPECT_EXIT(replace_as_a_user(dir / "a.m27"), testing::ExitedWithCode(0), "");
  EXPECT_EQ(read_bytes(dir / "a.m27"), "old");
  EXPECT_EQ(dir.names(), std::set<std::string>{"a.m27"});
}

TEST(FileIo, ReadsAFileUpToTheLimitAndRefusesWhatItCannotRead) {
  ScratchDir dir;
  for (const std::size_t size : {0, 1, 65536}) {
    write_bytes(dir / "a.m27", std::string(size, 'x'));
    const auto read = read_file(dir / "a.m27", 65536);
    ASSERT_TRUE(read) << read.reason();
    EXPECT_EQ(*read, std::string(size, 'x'));
  }
  write_bytes(dir / "big.m27", std::string(65537, 'x'));
  mkfifo((dir / "pipe.m27").c_str(), 0600);
  const auto pipe = read_file(dir / "pipe.m27", 65536);  // must not wait for a writer
  ASSERT_TRUE(pipe);
  EXPECT_EQ(*pipe, "");
  struct Case {
    std::filesystem::path path;
    std::string reason;
  };
  const Case kBad[] = {
      {dir / "missing.m27", system_reason(ENOENT)},  // gone since the dialog listed it
      {dir.path(), system_reason(EISDIR)},           // a folder
      {dir / "big.m27", "文件大于65536字节"},        // one byte over the limit
  };
  for (const auto& c : kBad) {
    const auto read = read_file(c.path, 65536);
    ASSERT_FALSE(read) << c.path;
    EXPECT_EQ(read.reason(), c.reason);
  }
}

}  // namespace
}  // namespace m27
