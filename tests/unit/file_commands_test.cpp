#include "files/file_commands.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

#include "channels/options.h"
#include "channels/plans.h"
#include "files/channel_file.h"
#include "scratch_dir.h"

namespace m27 {
namespace {

Sheet normal_sheet() {
  Sheet sheet = startup_sheet();
  sheet.rows[0].Text1 = "409.75";
  sheet.rows[0].Text3 = "450.003";
  sheet.rows[1].Text5 = "D023";
  sheet.rows[2].Text2 = "67.0";
  sheet.rows[3].Combo3 = "D503";  // an editor still open when the user saves
  sheet.rows[24].Text4 = std::string(kWide);
  sheet.Combo1 = kPlanItems[1];
  sheet.Combo2_60 = "12";
  sheet.Combo2_62 = "900";
  sheet.Combo5 = kTransmitForbidden;
  sheet.Combo6 = kSwitchOn;
  sheet.Combo7 = kSwitchOn;
  return sheet;
}

Sheet professional_sheet() {
  Sheet sheet = normal_sheet();
  sheet.Combo4 = kProfessionalMode;
  Combo4_Click(sheet);
  sheet.rows[0].Text5 = "I754";
  sheet.rows[1].Text2 = "254.1";
  sheet.rows[2].Text5 = "95.2";
  sheet.rows[3].Combo2 = "I023";
  return sheet;
}

// A sheet as the grid holds it after the user's edits: frequencies unformatted, editors open.
TEST(FileCommands, SaveThenOpenGivesBackThe132Texts) {
  const Sheet kSheets[] = {normal_sheet(), professional_sheet()};
  for (const Sheet& original : kSheets) {
    ScratchDir dir;
    Sheet saved = original;
    ASSERT_EQ(save_channel_file(saved, dir / "a.m27"), std::nullopt);
    Sheet opened = startup_sheet();
    ASSERT_EQ(open_channel_file(opened, dir / "a.m27"), std::nullopt);
    EXPECT_EQ(channel_file_of(opened), channel_file_of(saved)) << original.Combo4;
    EXPECT_EQ(opened.tone_mode, original.tone_mode);
  }
}

TEST(FileCommands, SaveWritesCommittedNormalisedTexts) {
  ScratchDir dir;
  Sheet sheet = professional_sheet();
  ASSERT_EQ(save_channel_file(sheet, dir / "a.m27"), std::nullopt);
  Sheet opened = startup_sheet();
  ASSERT_EQ(open_channel_file(opened, dir / "a.m27"), std::nullopt);
  EXPECT_EQ(opened.rows[0].Text1, "409.75000");
  EXPECT_EQ(opened.rows[0].Text3, "450.00000");  // moved onto the 5 kHz raster
  EXPECT_EQ(opened.rows[0].Text5, "I754");
  EXPECT_EQ(opened.rows[1].Text2, "254.1");
  EXPECT_EQ(opened.rows[2].Text5, "95.2");
  EXPECT_EQ(opened.rows[3].Text2, "I023");  // the open editor's text
  EXPECT_FALSE(opened.rows[12].enabled);
}

TEST(FileCommands, SaveTurnsTheFrequencyTabStopsOffWhateverHappens) {
  ScratchDir dir;
  const std::optional<std::filesystem::path> kChoices[] = {
      dir / "a.m27",              // saved
      std::nullopt,               // dialog cancelled
      dir / "missing" / "a.m27",  // failed
  };
  for (const auto& chosen : kChoices) {
    Sheet sheet = normal_sheet();
    save_channel_file(sheet, chosen);
    EXPECT_EQ(sheet.rows[3].Text5, "D503");  // `RESET_TEXT` ran
    EXPECT_FALSE(sheet.rows[3].Combo3);
    for (const ChannelRow& row : sheet.rows) {
      EXPECT_FALSE(row.Text1_tab_stop);
      EXPECT_FALSE(row.Text3_tab_stop);
    }
  }
}

TEST(FileCommands, SaveReplacesAnExistingFileWithoutAsking) {
  ScratchDir dir;
  write_bytes(dir / "a.m27", "old");
  Sheet sheet = startup_sheet();
  ASSERT_EQ(save_channel_file(sheet, dir / "a.m27"), std::nullopt);
  EXPECT_EQ(read_bytes(dir / "a.m27").substr(0, 12), "1:\xC6\xD5\xCD\xA8\xC4\xA3\xCA\xBD\r\n");
}

TEST(FileCommands, AFailedSaveSaysWhyAndWritesNothing) {
  ScratchDir dir;
  write_bytes(dir / "a.m27", "old");
  const std::filesystem::path missing = dir / "missing" / "b.m27";
  struct Case {
    void (*edit)(Sheet&);
    std::filesystem::path file;
    Message message;
  };
  const Case kBad[] = {
      // An emoji in the transmit tone of row 0 (line 77) has no GBK code.
      {[](Sheet& s) { s.rows[0].Text2 = "😀"; },
       dir / "a.m27",
       {"保存文件失败\n" + (dir / "a.m27").string() + "\n第77行含有GBK无法表示的字符", "注意",
        MessageIcon::Exclamation}},
      // The chosen folder has gone since the dialog showed it.
      {[](Sheet&) {},
       missing,
       {"保存文件失败\n" + missing.string() + "\n" + std::generic_category().message(ENOENT),
        "注意", MessageIcon::Exclamation}},
  };
  for (const auto& c : kBad) {
    Sheet sheet = startup_sheet();
    c.edit(sheet);
    EXPECT_EQ(save_channel_file(sheet, c.file), c.message);
    EXPECT_EQ(read_bytes(dir / "a.m27"), "old");
    EXPECT_EQ(dir.names(), std::set<std::string>{"a.m27"});
  }
}

TEST(FileCommands, AFailedOpenSaysWhyAndChangesNothing) {
  ScratchDir dir;
  std::string bad_gbk = "2:\xD7\xA8\xD2\xB5\xC4\xA3\xCA\xBD\r\n450.12500\r\n\xFF\r\n";
  write_bytes(dir / "bad.m27", bad_gbk);
  write_bytes(dir / "big.m27", std::string(65537, '\n'));
  struct Case {
    std::filesystem::path file;
    std::string reason;
  };
  const Case kBad[] = {
      {dir / "bad.m27", "第3行不是有效的GBK文字"},  // mode and one frequency read before it
      {dir / "big.m27", "文件大于65536字节"},       // one byte too many
      {dir / "none.m27", std::generic_category().message(ENOENT)},  // deleted meanwhile
  };
  for (const auto& c : kBad) {
    Sheet sheet = normal_sheet();
    const auto message = open_channel_file(sheet, c.file);
    EXPECT_EQ(message, (Message{"打开文件失败\n" + c.file.string() + "\n" + c.reason, "注意",
                                MessageIcon::Exclamation}));
    EXPECT_EQ(sheet, normal_sheet());
  }
}

TEST(FileCommands, FailureMessagesNameTheFileAndTheReason) {
  EXPECT_EQ(save_failure("/home/a/b.m27", "Permission denied"),
            (Message{"保存文件失败\n/home/a/b.m27\nPermission denied", "注意",
                     MessageIcon::Exclamation}));
  EXPECT_EQ(
      open_failure("c.m27", "第3行不是有效的GBK文字"),
      (Message{"打开文件失败\nc.m27\n第3行不是有效的GBK文字", "注意", MessageIcon::Exclamation}));
}

}  // namespace
}  // namespace m27
