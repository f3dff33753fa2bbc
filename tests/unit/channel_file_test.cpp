#include "files/channel_file.h"

#include <gtest/gtest.h>

#include "channels/options.h"
#include "channels/plans.h"

namespace m27 {
namespace {

// A sheet whose every text names its own field, so that a field in the wrong line shows.
Sheet labelled_sheet() {
  Sheet sheet = startup_sheet();
  sheet.Combo4 = "mode";
  for (int r = 0; r < kRows; ++r) {
    const std::string n = std::to_string(r);
    sheet.rows[r].Text1 = "rx" + n;
    sheet.rows[r].Text3 = "tx" + n;
    sheet.rows[r].Text5 = "rt" + n;
    sheet.rows[r].Text2 = "tt" + n;
    sheet.rows[r].Text4 = "bw" + n;
  }
  sheet.Combo1 = "plan";
  sheet.Combo2_60 = "total";
  sheet.Combo2_62 = "step";
  sheet.Combo5 = "transmit";
  sheet.Combo6 = "busy";
  sheet.Combo7 = "fsk";
  return sheet;
}

// Lines "L1", "L2", ... so that a field's text is the number of the line it came from.
std::vector<std::string> numbered_lines(int count) {
  std::vector<std::string> lines;
  for (int k = 1; k <= count; ++k) lines.push_back("L" + std::to_string(k));
  return lines;
}

TEST(ChannelFile, WritesTheLinesColumnByColumnInFileOrder) {
  const auto lines = channel_file_lines(channel_file_of(labelled_sheet()));
  ASSERT_EQ(lines.size(), 132u);
  struct Case {
    int first_line;  // 1-based, of row 0
    const char* prefix;
  };
  const Case kColumns[] = {{2, "rx"}, {27, "tx"}, {52, "rt"}, {77, "tt"}, {102, "bw"}};
  for (const auto& c : kColumns) {
    for (int r = 0; r < kRows; ++r) {
      EXPECT_EQ(lines[c.first_line - 1 + r], c.prefix + std::to_string(r)) << c.first_line;
    }
  }
  const std::vector<std::string> kHeadAndTail = {"mode",     "plan", "total", "step",
                                                 "transmit", "busy", "fsk"};
  const std::vector<std::string> head_and_tail = {lines[0],   lines[126], lines[127], lines[128],
                                                  lines[129], lines[130], lines[131]};
  EXPECT_EQ(head_and_tail, kHeadAndTail);
}

TEST(ChannelFile, WritesAnAbsentFieldAsAnEmptyLine) {
  ChannelFile file = channel_file_of(labelled_sheet());
  file.Text2[24].reset();
  file.Combo7.reset();
  const auto lines = channel_file_lines(file);
  ASSERT_EQ(lines.size(), 132u);
  EXPECT_EQ(lines[100], "");
  EXPECT_EQ(lines[131], "");
}

TEST(ChannelFile, ReadsAsManyFieldsAsTheFileHasLines) {
  struct Case {
    int lines;
    const char* mode;
    const char* last_rx;   // Text1(24), line 26
    const char* first_tx;  // Text3(0), line 27
    const char* last_bw;   // Text4(24), line 126
    std::array<const char*, 6> settings;
  };
  const Case kCases[] = {
      {1, "L1", nullptr, nullptr, nullptr, {}},
      {26, "L1", "L26", nullptr, nullptr, {}},
      {27, "L1", "L26", "L27", nullptr, {}},
      {126, "L1", "L26", "L27", "L126", {}},
      {127, "L1", "L26", "L27", "L126", {"L127"}},
      {132, "L1", "L26", "L27", "L126", {"L127", "L128", "L129", "L130", "L131", "L132"}},
      // A second group of settings sets them again; a partial one only as far as it goes.
      {135, "L1", "L26", "L27", "L126", {"L133", "L134", "L135", "L130", "L131", "L132"}},
      {138, "L1", "L26", "L27", "L126", {"L133", "L134", "L135", "L136", "L137", "L138"}},
      {145, "L1", "L26", "L27", "L126", {"L145", "L140", "L141", "L142", "L143", "L144"}},
  };
  const auto as_field = [](const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
  };
  for (const auto& c : kCases) {
    const auto lines = numbered_lines(c.lines);
    const ChannelFile file = channel_file_from_lines(lines);
    EXPECT_EQ(file.mode, as_field(c.mode)) << c.lines;
    EXPECT_EQ(file.Text1[24], as_field(c.last_rx)) << c.lines;
    EXPECT_EQ(file.Text3[0], as_field(c.first_tx)) << c.lines;
    EXPECT_EQ(file.Text4[24], as_field(c.last_bw)) << c.lines;
    const std::array<std::optional<std::string>, 6> settings = {
        file.Combo1, file.Combo2_60, file.Combo2_62, file.Combo5, file.Combo6, file.Combo7};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(settings[k], as_field(c.settings[k])) << c.lines;
  }
}

TEST(ChannelFile, ReadsNothingFromNoLines) {
  EXPECT_EQ(channel_file_from_lines({}), ChannelFile{});
}

TEST(ChannelFile, ReadsBackWhatItWrote) {
  const ChannelFile file = channel_file_of(labelled_sheet());
  EXPECT_EQ(channel_file_from_lines(channel_file_lines(file)), file);
}

// A sheet that differs from the start-up one in every kind of field, with a tone editor open.
Sheet edited_sheet() {
  Sheet sheet = startup_sheet();
  sheet.rows[0].Text1 = "450.125";
  sheet.rows[1].Text5 = "D023";
  sheet.rows[2].Text2 = "67.0";
  sheet.rows[3].Combo2 = "D025";
  sheet.rows[4].Text4 = std::string(kWide);
  sheet.Combo1 = kPlanItems[0];
  sheet.Combo2_60 = "10";
  sheet.Combo5 = kTransmitForbidden;
  return sheet;
}

TEST(ChannelFile, AnEmptyFileOnlyNormalisesTheSheet) {
  Sheet sheet = edited_sheet();
  apply_channel_file(sheet, ChannelFile{});
  Sheet expected = edited_sheet();
  expected.rows[0].Text1 = "450.12500";  // formatted
  expected.rows[3].Text2 = "D025";       // the open editor committed
  EXPECT_EQ(channel_file_of(sheet), channel_file_of(expected));
  for (int r = 0; r < kRows; ++r) {
    EXPECT_FALSE(sheet.rows[r].Combo2) << r;
    EXPECT_FALSE(sheet.rows[r].Text1_tab_stop) << r;
    EXPECT_FALSE(sheet.rows[r].Text3_tab_stop) << r;
    EXPECT_EQ(sheet.rows[r].enabled, r < 10) << r;
  }
}

TEST(ChannelFile, TheModeLineResetsEveryToneAndKeepsTheRest) {
  Sheet sheet = edited_sheet();
  apply_channel_file(sheet, channel_file_from_lines(std::vector<std::string>{"2:专业模式"}));
  EXPECT_EQ(sheet.tone_mode, ToneMode::Professional);
  for (const ChannelRow& row : sheet.rows) {
    EXPECT_EQ(row.Text5, "OFF");
    EXPECT_EQ(row.Text2, "OFF");
    EXPECT_FALSE(row.Combo2);
  }
  EXPECT_EQ(sheet.rows[4].Text4, kWide);
  EXPECT_EQ(sheet.Combo1, kPlanItems[0]);
}

TEST(ChannelFile, AnyOtherModeTextSelectsTheNormalTones) {
  Sheet sheet = startup_sheet();
  sheet.Combo4 = kProfessionalMode;
  sheet.tone_mode = ToneMode::Professional;
  apply_channel_file(sheet, channel_file_from_lines(std::vector<std::string>{"2:专业"}));
  EXPECT_EQ(sheet.Combo4, "2:专业");
  EXPECT_EQ(sheet.tone_mode, ToneMode::Normal);
}

TEST(ChannelFile, ProfessionalTonesArriveAfterTheModeChange) {
  ChannelFile file = channel_file_of(startup_sheet());
  file.mode = kProfessionalMode;
  file.Text5[0] = "I754";
  file.Text2[1] = "254.1";
  file.Text5[2] = "95.2";
  Sheet sheet = startup_sheet();
  apply_channel_file(sheet, file);
  EXPECT_EQ(sheet.tone_mode, ToneMode::Professional);
  EXPECT_EQ(sheet.rows[0].Text5, "I754");
  EXPECT_EQ(sheet.rows[1].Text2, "254.1");
  EXPECT_EQ(sheet.rows[2].Text5, "95.2");
}

TEST(ChannelFile, AFileOf126LinesKeepsTheSettings) {
  Sheet sheet = edited_sheet();
  std::vector<std::string> lines = channel_file_lines(channel_file_of(startup_sheet()));
  lines.resize(126);
  apply_channel_file(sheet, channel_file_from_lines(lines));
  EXPECT_EQ(sheet.rows[4].Text4, kNarrow);  // the grid comes from the file
  EXPECT_EQ(sheet.Combo1, kPlanItems[0]);   // the settings stay
  EXPECT_EQ(sheet.Combo2_60, "10");
  EXPECT_EQ(sheet.Combo5, kTransmitForbidden);
  EXPECT_FALSE(sheet.rows[10].enabled);
}

TEST(ChannelFile, OpeningNormalisesButDoesNotApplyThePlan) {
  ChannelFile file = channel_file_of(startup_sheet());
  file.Text1[5] = "451";
  file.Text3[6] = "";
  file.Combo1 = kPlanItems[1];
  file.Combo2_60 = "3";
  Sheet sheet = startup_sheet();
  apply_channel_file(sheet, file);
  EXPECT_EQ(sheet.rows[5].Text1, "451.00000");
  EXPECT_EQ(sheet.rows[6].Text3, "000.00000");
  EXPECT_EQ(sheet.Combo1, kPlanItems[1]);
  EXPECT_EQ(sheet.rows[0].Text1, "450.12500");  // no plan frequency
  EXPECT_TRUE(sheet.rows[2].enabled);
  EXPECT_FALSE(sheet.rows[3].enabled);
  EXPECT_FALSE(sheet.rows[0].Text1_tab_stop);
  EXPECT_FALSE(sheet.rows[24].Text3_tab_stop);
}

}  // namespace
}  // namespace m27
