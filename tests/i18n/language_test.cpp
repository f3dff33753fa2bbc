// SPDX-License-Identifier: GPL-3.0-or-later
// The language from the locale variables, and the core's words in each language.

#include "i18n/language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "channels/sheet_comparison.h"
#include "channels/validation.h"
#include "files/csv_commands.h"
#include "i18n/translated.h"
#include "i18n/translators.h"

namespace m27 {
namespace {

TEST(Language, FollowsTheLocaleVariables) {
  using enum Language;
  struct Case {
    LocaleVariables variables;  // LC_ALL, LANGUAGE, LC_MESSAGES, LANG
    Language expected;
  };
  const Case kCases[] = {
      {{}, AsWritten},
      {{"", "", "", "C.UTF-8"}, AsWritten},
      {{"", "", "", "POSIX"}, AsWritten},
      {{"", "en", "", "C.UTF-8"}, English},  // LANGUAGE decides even under the C locale
      {{"", "", "", "zh_CN.UTF-8"}, Chinese},
      {{"", "", "", "zh_TW.UTF-8"}, Chinese},
      {{"", "", "", "zh_HK"}, Chinese},
      {{"", "zh", "", "en_US.UTF-8"}, Chinese},
      {{"", "", "", "en_US.UTF-8"}, English},
      {{"", "", "", "de_DE.UTF-8"}, English},                  // no German texts: English
      {{"C", "en", "zh_CN.UTF-8", "zh_CN.UTF-8"}, AsWritten},  // scripts pin today's texts
      {{"C.UTF-8", "zh_CN", "", "en_US.UTF-8"}, AsWritten},
      {{"", "de:zh_CN:en", "", "C.UTF-8"}, Chinese},      // the first entry we have texts for
      {{"", "de:fr", "", "zh_CN.UTF-8"}, English},        // only others: English
      {{"", "::", "", "zh_CN.UTF-8"}, Chinese},           // an empty list names nothing
      {{"", "", "en_GB.UTF-8", "zh_CN.UTF-8"}, English},  // LC_MESSAGES before LANG
      {{"", "", "C", "zh_CN.UTF-8"}, AsWritten},
      {{"zh_CN.UTF-8", "", "en_GB.UTF-8", ""}, Chinese},  // LC_ALL before LC_MESSAGES
  };
  for (const Case& c : kCases) {
    const LocaleVariables& v = c.variables;
    EXPECT_EQ(language_of(v), c.expected)
        << v.lc_all << "|" << v.language << "|" << v.lc_messages << "|" << v.lang;
  }
  EXPECT_EQ(language_named("zh"), Chinese);
  EXPECT_EQ(language_named("en"), English);
  EXPECT_EQ(language_named("de"), std::nullopt);
}

// A refusal that wraps the problem (words in words), a count and data that looks like a number.
TEST(Language, TranslatesTheTemplateThenFillsItIn) {
  const Words problem = M27_WORDS("files", "第%1行（%2）：“%3”不是有效的频率")
                            .arg(3)
                            .arg(M27_WORDS("files", "接收频率"))
                            .arg(std::string("%2 MHz"));
  const Words refusal = M27_WORDS("files", "打开文件失败\n%1\n%2").arg("a.m27").arg(problem);
  const auto lines = [](int n) {
    return translated(M27_COUNTED_WORDS("files", "文件不完整：只读到%n行").counting(n));
  };
  use_language(*QCoreApplication::instance(), Language::English);
  EXPECT_EQ(translated(refusal),
            "Cannot open the file\na.m27\nLine 3 (receive frequency): “%2 MHz” is not a valid "
            "frequency");
  EXPECT_EQ(lines(1) + "|" + lines(131),
            "The file is incomplete: only 1 line was read|"
            "The file is incomplete: only 131 lines were read");
  EXPECT_EQ(translated(attention(refusal)).title, "Attention");
  use_language(*QCoreApplication::instance(), Language::AsWritten);
  EXPECT_EQ(translated(refusal).toStdString(),
            "打开文件失败\na.m27\n第3行（接收频率）：“%2 MHz”不是有效的频率");
  EXPECT_EQ(source_text(refusal), translated(refusal).toStdString());
  EXPECT_EQ(lines(131), "文件不完整：只读到131行");
}

// The core's refusals in English: a channel number, a spreadsheet's place around its problem, a
// count's plural, the rows left out after the reason, a difference's field.
TEST(Language, TheCoreSaysItsRefusalsInEnglish) {
  Sheet sheet = startup_sheet();
  sheet.rows[2].rx_frequency = "399.95000";
  const std::string grid = "信道,接收频率,接收亚音,发射频率,发射亚音,带宽\r\n1,450,OFF,450,OFF,";
  const auto refusal = [](const Result<CsvImport, Words>& taken) { return taken.why(); };
  const std::pair<Words, const char*> kCases[] = {
      {pre_write_check(sheet)->text, "Channel 3: invalid frequency, please enter it again"},
      {refusal(csv_channels(grid + "wide band", ToneMode::Normal)),
       "Line 2, column 6 (带宽): “wide band” is not a bandwidth (Wide or Narrow)"},
      {refusal(csv_channels(grid + "Wide", ToneMode::Normal, {CsvRowRange{1, 2}})),
       "--rows 1..2: the file has 1 channel, and at most 25 are imported at a time"},
      {refusal(csv_channels("Frequency\r\n500\r\n", ToneMode::Normal, {std::nullopt, true})),
       "No channel to import\nSkipped row 1: Frequency “500.00000” is not within 400–490 MHz"},
      {verification_message(compare_sheets(startup_sheet(), sheet)).text,
       "The radio differs\n3 RX frequency 451.12500 399.95000"},
  };
  use_language(*QCoreApplication::instance(), Language::English);
  for (const auto& [words, english] : kCases) EXPECT_EQ(translated(words).toStdString(), english);
  use_language(*QCoreApplication::instance(), Language::AsWritten);
}

}  // namespace
}  // namespace m27
