#include "channels/sheet_comparison.h"

#include <gtest/gtest.h>

#include "channels/options.h"

namespace m27 {
namespace {

std::string lines_of(const std::vector<Difference>& differences) {
  std::string lines;
  for (const Difference& d : differences) lines += difference_line(d) + "\n";
  return lines;
}

Sheet professional() {
  Sheet sheet = startup_sheet();
  sheet.mode = kProfessionalMode;
  change_mode(sheet);
  return sheet;
}

TEST(SheetComparison, ComparesWhatTheRecordsCarryAndNamesEachField) {
  struct Case {
    const char* name;
    Sheet (*first)();
    void (*first_change)(Sheet&);
    void (*second_change)(Sheet&);
    std::string lines;
  };
  const auto none = [](Sheet&) {};
  const Case kCases[] = {
      {"the same sheet", startup_sheet, none, none, ""},
      {"equal once formatted", startup_sheet, [](Sheet& s) { s.rows[0].rx_frequency = "450.1"; },
       [](Sheet& s) { s.rows[0].rx_frequency = "450.10000"; }, ""},
      {"equal once snapped to the 5 kHz raster", startup_sheet,
       [](Sheet& s) { s.rows[4].tx_frequency = "450.1231"; },
       [](Sheet& s) { s.rows[4].tx_frequency = "450.12"; }, ""},
      {"a text that is no number against a number", startup_sheet, none,
       [](Sheet& s) { s.rows[1].rx_frequency = "4x0"; }, "2 接收频率 450.62500 4x0\n"},
      {"every channel field", startup_sheet, none,
       [](Sheet& s) {
         s.rows[0].rx_frequency = "450.13125";
         s.rows[0].rx_tone = "67.0";
         s.rows[0].tx_frequency = "451";
         s.rows[0].tx_tone = "D023";
         s.rows[24].bandwidth = "宽带";
       },
       "1 接收频率 450.12500 450.13125\n1 接收亚音 OFF 67.0\n1 发射频率 450.12500 451.00000\n"
       "1 发射亚音 OFF D023\n25 带宽 窄带 宽带\n"},
      {"an empty tone is no tone of the table", startup_sheet, none,
       [](Sheet& s) { s.rows[2].rx_tone = ""; }, "3 接收亚音 OFF \"\"\n"},
      {"inverted DCS codes of the professional mode", professional,
       [](Sheet& s) { s.rows[6].tx_tone = "I023"; }, [](Sheet& s) { s.rows[6].tx_tone = "D023"; },
       "7 发射亚音 I023 D023\n"},
      {"the mode", startup_sheet, none,
       [](Sheet& s) {
         s.mode = kProfessionalMode;
         change_mode(s);
       },
       "模式 1:普通模式 2:专业模式\n"},
      {"every option", startup_sheet, [](Sheet& s) { s.channel_total = "025"; },
       [](Sheet& s) {
         s.transmit = kTransmitForbidden;
         s.busy_lockout = kSwitchOn;
         s.fsk = kSwitchOn;
         s.channel_total = "17";
         s.plan = "1:美国频率";
       },
       "发射 允许 禁止\n遇忙禁发 关 开\nFSK 关 开\n信道总数 025 17\n频率选择 4:自定义频率 "
       "1:美国频率\n"},
      {"a channel total with the same value", startup_sheet,
       [](Sheet& s) { s.channel_total = "025"; }, none, ""},
  };
  for (const auto& c : kCases) {
    Sheet first = c.first();
    Sheet second = c.first();
    c.first_change(first);
    c.second_change(second);
    EXPECT_EQ(lines_of(compare_sheets(first, second)), c.lines) << c.name;
  }
}

}  // namespace
}  // namespace m27
