#include "files/file_commands.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

#include "channels/options.h"
#include "files/channel_file.h"
#include "scratch_dir.h"

namespace m27 {
namespace {

// A sheet as the grid holds it after the user's edits: frequencies unformatted, editors open.
Sheet edited_sheet(bool professional) {
  Sheet sheet = startup_sheet();
  if (professional) {
    sheet.mode = kProfessionalMode;
    change_mode(sheet);
  }
  sheet.rows[0].rx_frequency = "409.75";
  sheet.rows[0].tx_frequency = "450.003";
  sheet.rows[0].rx_tone = professional ? "I754" : "D023";
  sheet.rows[1].tx_tone = professional ? "254.1" : "67.0";
  sheet.rows[2].rx_tone = professional ? "95.2" : "D503";
  sheet.rows[3].tx_tone_editor =
      professional ? "I023" : "D025";  // an editor still open at the save
  sheet.rows[24].bandwidth = "宽带";
  sheet.plan = "2:中国频率";
  sheet.channel_total = "12";
  sheet.fill_step = "900";
  sheet.transmit = "禁止";
  sheet.busy_lockout = sheet.fsk = "开";
  return sheet;
}

TEST(FileCommands, SaveReplacesTheFileAndOpenGivesBackThe132Texts) {
  for (const bool professional : {false, true}) {
    ScratchDir dir;
    write_bytes(dir / "a.m27", "old");  // replaced without asking
    Sheet saved = edited_sheet(professional);
    ASSERT_EQ(save_channel_file(saved, dir / "a.m27"), std::nullopt);
    Sheet opened = startup_sheet();
    ASSERT_EQ(open_channel_file(opened, dir / "a.m27"), std::nullopt);
    EXPECT_EQ(channel_file_of(opened), channel_file_of(saved)) << professional;
    EXPECT_EQ(opened.tone_mode, saved.tone_mode);
    // What was saved is the committed, normalised table.
    EXPECT_EQ(opened.rows[0].rx_frequency, "409.75000");
    EXPECT_EQ(opened.rows[0].tx_frequency, "450.00000");  // moved onto the 5 kHz raster
    EXPECT_EQ(opened.rows[0].rx_tone, professional ? "I754" : "D023");
    EXPECT_EQ(opened.rows[1].tx_tone, professional ? "254.1" : "67.0");
    EXPECT_EQ(opened.rows[2].rx_tone, professional ? "95.2" : "D503");
    EXPECT_EQ(opened.rows[3].tx_tone, professional ? "I023" : "D025");  // the open editor's text
    EXPECT_FALSE(opened.rows[12].enabled);
  }
}

TEST(FileCommands, SaveTurnsTheFrequencyTabStopsOffWhateverHappens) {
  ScratchDir dir;
  const std::optional<std::filesystem::path> kChoices[] = {
      dir / "a.m27",              // saved
      std::nullopt,               // dialog cancelled
      dir / "missing" / "a.m27",  // failed
  };
  for (const auto& chosen : kChoices) {
    Sheet sheet = edited_sheet(false);
    save_channel_file(sheet, chosen);
    EXPECT_EQ(sheet.rows[3].tx_tone, "D025");  // `commit_edits` ran
    for (const ChannelRow& row : sheet.rows) {
      EXPECT_FALSE(row.tx_tone_editor);
      EXPECT_FALSE(row.rx_tab_stop || row.tx_tab_stop);
    }
  }
}

TEST(FileCommands, AFailedSaveSaysWhyAndWritesNothing) {
  ScratchDir dir;
  write_bytes(dir / "a.m27", "old");
  const std::filesystem::path missing = dir / "missing" / "b.m27";
  struct Case {
    const char* tx_tone;
    std::filesystem::path file;
    std::string text;
  };
  const Case kBad[] = {
      // An emoji in the transmit tone of row 0 (line 77) has no GBK code.
      {"😀", dir / "a.m27",
       "保存文件失败\n" + (dir / "a.m27").string() + "\n第77行含有GBK无法表示的字符"},
      // The chosen folder has gone since the dialog showed it.
      {"OFF", missing,
       "保存文件失败\n" + missing.string() + "\n" + std::generic_category().message(ENOENT)},
  };
  for (const auto& c : kBad) {
    Sheet sheet = startup_sheet();
    sheet.rows[0].tx_tone = c.tx_tone;
    EXPECT_EQ(save_channel_file(sheet, c.file), attention(c.text));
    EXPECT_EQ(read_bytes(dir / "a.m27"), "old");
    EXPECT_EQ(dir.names(), std::set<std::string>{"a.m27"});
  }
}

TEST(FileCommands, AFailedOpenSaysWhyAndChangesNothing) {
  ScratchDir dir;
  write_bytes(dir / "bad.m27", "2:\xD7\xA8\xD2\xB5\xC4\xA3\xCA\xBD\r\n450.12500\r\n\xFF\r\n");
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
    Sheet sheet = edited_sheet(false);
    EXPECT_EQ(open_channel_file(sheet, c.file),
              attention("打开文件失败\n" + c.file.string() + "\n" + c.reason));
    EXPECT_EQ(sheet, edited_sheet(false));
  }
}

}  // namespace
}  // namespace m27
