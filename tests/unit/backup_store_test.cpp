#include "files/backup_store.h"

#include <gtest/gtest.h>

#include "files/file_commands.h"
#include "scratch_dir.h"

namespace m27 {
namespace {

const LocalTime kReadAt{2026, 12, 7, 6, 45, 12, 123};

TEST(BackupStore, NamesByLocalTimeToTheMillisecond) {
  EXPECT_EQ(backup_name(kReadAt), "20261207-064512-123.m27");
  EXPECT_EQ(backup_name({2027, 1, 2, 3, 4, 5, 6}, 1), "20270102-030405-006_2.m27");
  EXPECT_TRUE(is_backup_name("20261207-064512-123.m27"));
  EXPECT_TRUE(is_backup_name("20261207-064512-123_2.m27"));
  EXPECT_FALSE(is_backup_name("20261207-064512-12.m27"));  // a digit short
  EXPECT_FALSE(is_backup_name("shop.m27"));                // the dealer's own file
}

TEST(BackupStore, SavesWhatASaveWritesAndNeverOverwrites) {
  ScratchDir dir;
  const std::filesystem::path folder = dir / "data/m27/backups";
  Sheet sheet = startup_sheet();
  sheet.rows[3].rx_frequency = "451.1";  // formatted as a save formats it
  const auto first = save_backup(folder, kReadAt, sheet);
  const auto second = save_backup(folder, kReadAt, startup_sheet());
  ASSERT_TRUE(first && second);
  EXPECT_EQ(*first, folder / "20261207-064512-123.m27");
  EXPECT_EQ(*second, folder / "20261207-064512-123_2.m27");
  EXPECT_EQ(read_bytes(*first), *channel_file_bytes(sheet));
  EXPECT_NE(read_bytes(*first).find("451.10000\r\n"), std::string::npos);
  EXPECT_EQ(read_bytes(*second), *channel_file_bytes(startup_sheet()));
}

TEST(BackupStore, KeepsTheNewestThousandAndNothingElseIsTouched) {
  ScratchDir dir;
  for (int i = 0; i < 1000; ++i) {
    write_bytes(dir / backup_name({2025, 1, 1 + i / 100, 0, 0, i % 60, i}), "old");
  }
  write_bytes(dir / "notes.txt", "mine");
  ASSERT_TRUE(save_backup(dir.path(), kReadAt, startup_sheet()));
  const auto names = dir.names();
  EXPECT_EQ(names.size(), 1001u);
  EXPECT_EQ(names.count("notes.txt"), 1u);
  EXPECT_EQ(names.count(backup_name(kReadAt)), 1u);
  EXPECT_EQ(names.count(backup_name({2025, 1, 1, 0, 0, 0, 0})), 0u) << "the oldest goes";
  EXPECT_EQ(names.count(backup_name({2025, 1, 1, 0, 0, 1, 1})), 1u);
}

TEST(BackupStore, SaysWhyWhenTheFolderCannotBeWritten) {
  ScratchDir dir;
  write_bytes(dir / "file", "");
  const auto under_a_file = save_backup(dir / "file" / "backups", kReadAt, startup_sheet());
  ASSERT_FALSE(under_a_file);
  EXPECT_EQ(under_a_file.reason(), "Not a directory");
}

}  // namespace
}  // namespace m27
