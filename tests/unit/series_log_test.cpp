// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "series/job_log.h"

namespace m27 {
namespace {

using namespace std::chrono_literals;

std::vector<std::string> as_written(const std::vector<Words>& warnings) {
  std::vector<std::string> texts;
  for (const Words& warning : warnings) texts.push_back(source_text(warning));
  return texts;
}

// The time in the machine's zone with its offset, whatever the zone.
TEST(SeriesLogLine, WritesOneCsvRecordPerLine) {
  const auto t = std::chrono::system_clock::from_time_t(1796636412);  // 2026-12-07 09:40:12 UTC
  const struct {
    const char* zone;
    const char* time;
  } kZones[] = {{"CST-8", "2026-12-07T17:40:12+08:00"},
                {"EST5", "2026-12-07T04:40:12-05:00"},
                {"IST-5:30", "2026-12-07T15:10:12+05:30"}};
  const char* saved = getenv("TZ");
  for (const auto& z : kZones) {
    setenv("TZ", z.zone, 1);
    tzset();
    EXPECT_EQ(iso_local_time(t), z.time);
  }
  saved ? setenv("TZ", saved, 1) : unsetenv("TZ");
  tzset();

  LogLine line{"com1",
               12345678,
               5003,
               RadioResult::Failed,
               SeriesStep::IdVerify,
               2050ms,
               "ab",
               "失败：\"x\", y\r\nz"};
  EXPECT_EQ(log_record(line, "T"),
            "T,com1,12345678,5003,failed,id-verify,2.1,ab,\"失败：\"\"x\"\", y  z\"\r\n");
  line = {"/dev/tty,1", 0, std::nullopt, RadioResult::AlreadyDone, SeriesStep::None, 49ms, "", ""};
  EXPECT_EQ(log_record(line, "T"), "T,\"/dev/tty,1\",0,,already-done,,0.0,,\r\n");
}

// The IDs every line names stay out of the pool, torn and malformed lines included; only ok lines
// confirm an ID and mark a radio done with their template.
TEST(SeriesLogReading, KeepsEveryNamedIdAndSkipsBrokenLinesWithAWarning) {
  const std::string kHeader = std::string(kLogHeader) + "\r\n";
  const std::string kOk = "t,com1,7,100,ok,,3.5,aa,完成\r\n";
  const struct {
    std::string bytes;
    std::set<std::uint32_t> used;
    std::vector<std::string> warnings;
  } kCases[] = {
      {kHeader + kOk + "t,com1,8,101,reserved,,1.0,aa,\r\n" +
           "t,com2,9,102,failed,id-verify,1,aa,x\n",
       {100, 101, 102},
       {}},
      {kHeader + kOk + "t,com1,8,10", {100, 10}, {"记录文件第3行不完整，已跳过"}},  // torn
      {kHeader + "t,com1,8,\"101,ok,,1,aa,x\r\n" + kOk,  // an open quote takes no other line
       {100},
       {"记录文件第2行无法识别，已跳过"}},
      {kHeader + "t,com1,8,103,okay,,1,aa,x\r\n" + "t,com1,8,4294967296,ok,,1,aa,x\r\n" +
           "t,com1,8,,ok,,1,aa,x\r\n" + "\r\n" + kHeader + kOk,
       {100, 103},
       {"记录文件第2行无法识别，已跳过", "记录文件第3行无法识别，已跳过",
        "记录文件第4行无法识别，已跳过"}},
  };
  for (const auto& c : kCases) {
    const auto reading = read_log(c.bytes);
    EXPECT_EQ(reading.history.used_ids(), c.used) << c.bytes;
    EXPECT_EQ(as_written(reading.warnings), c.warnings) << c.bytes;
    EXPECT_TRUE(reading.history.done(100, "aa"));
    EXPECT_FALSE(reading.history.done(100, "bb"));
  }
  // The IDs radios came with are never handed out, nor 0.
  const LogHistory history = read_log(kCases[0].bytes).history;
  EXPECT_EQ(history.barred_ids(), (std::set<std::uint32_t>{0, 7, 8, 9, 100, 101, 102}));
  EXPECT_EQ(lowest_free_id(history), 1u);
}

// A disk that takes half a line and then fails; a signal may break into its syncs.
class FailingDisk : public FileSystem {
 public:
  int fsync(int fd) override {
    if (interrupted_syncs > 0) {
      --interrupted_syncs;
      errno = EINTR;
      return -1;
    }
    return FileSystem::fsync(fd);
  }
  int interrupted_syncs = 0;
  ssize_t write(int fd, const void* buffer, size_t count) override {
    if (!failing) return FileSystem::write(fd, buffer, count);
    if (written_ > 0) {
      errno = ENOSPC;
      return -1;
    }
    written_ = count / 2;
    return FileSystem::write(fd, buffer, written_);
  }
  bool failing = false;

 private:
  size_t written_ = 0;
};

// A log is made only when asked, and never its folder; a fresh log gets its header; a second job
// on it is refused while the first holds it; a sync a signal broke into is tried again; the next
// job reads what the first appended and starts after the line the power cut off; once a line
// could not be written whole nothing more is appended; a folder is no log.
TEST(SeriesLogFile, IsHeldByOneJobReadByTheNextAndNotWrittenPastAFailure) {
  std::string name = (std::filesystem::temp_directory_path() / "m27-log-XXXXXX").string();
  const std::filesystem::path folder = mkdtemp(name.data());
  const auto file = folder / "m27" / "series.csv";
  const LogLine line{"com1", 7, 100, RadioResult::Reserved};
  const auto now = std::chrono::system_clock::now();
  EXPECT_EQ(source_text(JobLog::open(file, true).why()),
            "无法打开记录文件\n" + file.string() + "\n文件夹不存在：" + (folder / "m27").string());
  std::filesystem::create_directory(folder / "m27");
  EXPECT_EQ(source_text(JobLog::open(file, false).why()), "记录文件不存在\n" + file.string());
  {
    FailingDisk interrupting;
    interrupting.interrupted_syncs = 3;
    auto log = JobLog::open(file, true, interrupting);
    ASSERT_TRUE(log.ok()) << source_text(log.why());
    EXPECT_EQ(JobLog::open(file, false).why(), log_locked());
    EXPECT_FALSE(log.value().append(line, now));
    EXPECT_EQ(interrupting.interrupted_syncs, 0);
  }
  std::ofstream(file, std::ios::app) << "2026,com1,8,10";  // torn
  FailingDisk disk;
  auto log = JobLog::open(file, false, disk);
  ASSERT_TRUE(log.ok());
  EXPECT_EQ(log->reading().history.used_ids(), (std::set<std::uint32_t>{10, 100}));
  EXPECT_EQ(as_written(log->reading().warnings),
            std::vector<std::string>{"记录文件第3行不完整，已跳过"});
  disk.failing = true;
  const std::string failure =
      "记录文件写入失败\n" + file.string() + "\n" + std::generic_category().message(ENOSPC);
  EXPECT_EQ(source_text(log.value().append(line, now).value_or(as_is(""))), failure);
  disk.failing = false;
  EXPECT_EQ(source_text(log.value().append(line, now).value_or(as_is(""))), failure);

  EXPECT_EQ(lowest_free_id_in(folder / "none.csv"), 1u);
  std::ifstream in(file, std::ios::binary);
  const std::string contents{std::istreambuf_iterator<char>(in), {}};
  EXPECT_TRUE(contents.starts_with(std::string(kLogHeader) + "\r\n")) << contents;
  EXPECT_NE(contents.find("2026,com1,8,10\r\n" + iso_local_time(now)), std::string::npos);
  EXPECT_EQ(
      as_written(read_log(contents).warnings),
      (std::vector<std::string>{"记录文件第3行无法识别，已跳过", "记录文件第4行不完整，已跳过"}));
  EXPECT_EQ(source_text(JobLog::open("/dev/null", false).why()),
            "无法打开记录文件\n/dev/null\n不是普通文件");
  EXPECT_NE(std::filesystem::status(file).permissions() & std::filesystem::perms::owner_read,
            std::filesystem::perms::none);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace m27
