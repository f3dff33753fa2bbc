// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheet CSV files in both layouts: reading (byte-order mark, GBK, CR LF or LF, quotes,
// comments), what every tone mode of the generic layout means both ways, whole files as the
// hobby tools write them with a row range and unfit rows left out, refusals naming line and
// column, the channel total an import leaves, and export then import giving back every channel.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "channels/channel_table.h"
#include "files/csv_commands.h"
#include "files/csv_generic_tones.h"
#include "files/csv_records.h"
#include "sheet_line.h"
#include "support/varied_sheet.h"

namespace m27 {
namespace {

constexpr ToneMode kNormal = ToneMode::Normal;
constexpr ToneMode kPro = ToneMode::Professional;

const std::string kGridHeader = "信道,接收频率,接收亚音,发射频率,发射亚音,带宽\r\n";

std::string grid(const std::string& rows) { return kGridHeader + rows + "\r\n"; }

// One test file of tests/fuzz/corpus/csv_fuzz, which the fuzzer starts from too.
std::string seed(const std::string& name) {
  std::ostringstream bytes;
  bytes << std::ifstream(M27_CSV_SEEDS "/" + name, std::ios::binary).rdbuf();
  return bytes.str();
}

// The channels as lines "rx|tx|rx tone|tx tone|bandwidth", then each row left out; or the refusal.
std::string imported(const std::string& bytes, ToneMode mode, CsvSelection selection = {}) {
  const auto taken = csv_channels(bytes, mode, selection);
  if (!taken) return source_text(taken.why());
  Sheet sheet = startup_sheet_in(mode);
  apply_csv_channels(sheet, taken->channels);
  std::string lines;
  for (std::size_t i = 0; i < taken->channels.size(); ++i) {
    lines += line_of(sheet.rows[i], kRowFields) + "\n";
  }
  for (const Words& skipped : taken->skipped) lines += source_text(skipped) + "\n";
  return lines;
}

TEST(CsvRecords, SplitsQuotedFieldsSkipsCommentsAndNamesWhereAQuoteGoesWrong) {
  const auto records = csv_records("#,\"\r\na,\"b,\"\"c\"\"\r\n#d\",e\r\n\r\n,,\n#\nf\n#");
  ASSERT_TRUE(records.ok()) << source_text(records.why());
  ASSERT_EQ(records->size(), 2u);  // the blank line and the row of commas are left out
  EXPECT_EQ((*records)[0].line, 2);
  EXPECT_EQ((*records)[0].fields, (std::vector<std::string>{"a", "b,\"c\"\r\n#d", "e"}));
  EXPECT_EQ((*records)[1].line, 7);
  EXPECT_EQ((*records)[1].fields, std::vector<std::string>{"f"});
  EXPECT_EQ(source_text(csv_records("x\r\na,\"b").why()), "第2行第2列：引号没有结束");
  EXPECT_EQ(source_text(csv_records("\"a\"b,c").why()), "第1行第1列：引号后还有文字");
  EXPECT_EQ(csv_line({"1", "a,b", "say \"hi\"", ""}), "1,\"a,b\",\"say \"\"hi\"\"\",\r\n");
}

// The edges of UTF-8, which is taken as it is; what is none (a lone trail byte, overlong forms,
// surrogates, past U+10FFFF) is read as GBK, where 0x80 is "€".
TEST(CsvRecords, TakesTextAsUtf8OnlyWhereItIsValid) {
  const std::string edges = "\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBD\xF4\x8F\xBF\xBF";
  EXPECT_EQ(csv_text(edges).value(), edges);
  const std::pair<const char*, const char*> kNone[] = {
      {"\x80", "€"},
      {"\xED\xA0\x80", "頎€"},
      {"\xF0\x8F\xBF\xBF", "饛靠"},
      {"\xF4\x90\x80\x80", "魫€€"},
      {"\xE0\x9F\xBF", "文件既不是UTF-8也不是GBK文字"}};
  for (const auto& [bytes, text] : kNone) {
    const auto read = csv_text(bytes);
    EXPECT_EQ(read ? *read : source_text(read.why()), text) << bytes;
  }
}

// Every Tone and CrossMode with rToneFreq 100.0, cToneFreq 67.0, DtcsCode 074, RxDtcsCode 025,
// each polarity, in both modes: the two tones, the simplest columns that say them again, and in
// the normal mode the refusal of an inverted code, naming the row.
TEST(CsvGenericTones, EveryToneModeAndCrossModeMeansTheSameBothWays) {
  struct Case {
    const char* tone;
    const char* cross;
    const char* tx;  // with D, which the polarity letter turns into I
    const char* rx;
    const char* exported;  // Tone, or CrossMode after "Cross"
  };
  const Case kCases[] = {
      {"", "", "OFF", "OFF", ""},
      {"Tone", "", "100", "OFF", "Tone"},
      {"TSQL", "", "67.0", "67.0", "TSQL"},
      {"DTCS", "", "D074", "D074", "DTCS"},  // RxDtcsCode does not count
      {"TSQL-R", "", "OFF", "100", "->Tone"},
      {"DTCS-R", "", "OFF", "D074", "->DTCS"},
      {"Cross", "Tone->Tone", "100", "67.0", "Tone->Tone"},
      {"Cross", "Tone->DTCS", "100", "D025", "Tone->DTCS"},
      {"Cross", "DTCS->Tone", "D074", "67.0", "DTCS->Tone"},
      {"Cross", "DTCS->DTCS", "D074", "D025", "DTCS->DTCS"},
      {"Cross", "DTCS->", "D074", "OFF", "DTCS->"},
      {"Cross", "->DTCS", "OFF", "D025", "->DTCS"},
      {"Cross", "->Tone", "OFF", "67.0", "->Tone"},
      {"Cross", "Tone->", "100", "OFF", "Tone"},
  };
  const std::string header =
      "Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode\r\n";
  for (const Case& c : kCases) {
    for (const std::string polarity : {"NN", "NR", "RN", "RR"}) {
      for (const ToneMode mode : {kNormal, kPro}) {
        SCOPED_TRACE(std::string(c.tone) + " " + c.cross + " " + polarity);
        ChannelTones tones{c.tx, c.rx};
        for (auto [tone, letter] : {std::pair{&tones.tx, polarity[0]}, {&tones.rx, polarity[1]}}) {
          if (letter == 'R' && tone->front() == 'D') tone->front() = 'I';
        }
        const std::string row = "450," + std::string(c.tone) + ",100.0,67.0,074," + polarity +
                                ",025," + c.cross + "\r\n";
        const std::string inverted = tones.tx.front() == 'I' ? tones.tx : tones.rx;
        EXPECT_EQ(imported(header + row, mode),
                  mode == kNormal && inverted.front() == 'I'
                      ? "第2行第6列（DtcsPolarity）：“" + inverted + "”不是普通模式的亚音"
                      : "450.00000|450.00000|" + tones.rx + "|" + tones.tx + "|宽带\n");
        const GenericToneColumns columns = generic_tone_columns(tones);
        EXPECT_EQ(columns.tone == "Cross" ? columns.cross : columns.tone, c.exported);
        const auto again = generic_tones(columns, kPro);
        EXPECT_TRUE(again && *again == tones);
      }
    }
  }
}

// The test files (the older layout with its own tone modes, the least a file can be, comments,
// unknown columns, a quoted line break, a quoted header after a byte-order mark, a list of 52
// rows, a mixed-band list, GBK) with a range and skipping; then the grid layout as typed (nine
// characters the most, 400 and 490 MHz the ends of the band, a transmit frequency the write's
// second raster check makes fit), a split, and refusals naming the first bad value's place.
TEST(CsvImport, ReadsWholeFilesARangeOfRowsWithoutUnfitOnesOrRefusesNamingThePlace) {
  struct Case {
    std::string bytes;
    std::string result;
    ToneMode mode = kNormal;
    CsvSelection selection = {};
  };
  const std::string frs = seed("frs-gmrs-52.csv");
  const std::string mixed = seed("mixed-band.csv");
  const std::string not_typed = "不是频率（只可有数字和一个小数点，最多9个字符）";
  const Case kCases[] = {
      {seed("older-layout.csv"),
       "446.00625|446.00625|OFF|OFF|窄带\n440.02500|445.02500|OFF|100|宽带\n"
       "450.05000|440.05000|67.0|67.0|窄带\n462.57500|462.57500|D074|D074|宽带\n"
       "462.60000|462.60000|151.4|OFF|宽带\n462.62500|462.62500|D432|OFF|宽带\n"},
      {seed("minimal.csv"),
       "446.00625|446.00625|OFF|OFF|宽带\n446.01875|446.01875|OFF|OFF|宽带\n"
       "462.56250|462.56250|OFF|OFF|宽带\n"},
      {seed("comments.csv"),
       "446.00625|446.00625|OFF|OFF|窄带\n440.02500|445.02500|OFF|100|宽带\n"},
      {seed("unknown-column.csv"),
       "446.03125|446.03125|D032|I025|窄带\n446.04375|446.04375|D051|127.3|宽带\n", kPro},
      {seed("quoted-line-break.csv"),
       "446.05625|446.05625|OFF|OFF|窄带\n446.06875|446.06875|94.8|94.8|窄带\n"},
      {seed("quoted-header-bom.csv"), "450.12500|450.12500|I074|D074|宽带\n", kPro},
      {seed("grid-gbk.csv"), "440|440|67.0|OFF|窄带\n450.1|451|OFF|D023|宽带\n"},
      {frs, "第27行：信道多于25个（文件中有52个），可用--rows FIRST..LAST选取其中至多25个"},
      {frs, "--rows 50..53：文件中有52个信道，一次至多导入25个", kNormal, {CsvRowRange{50, 53}}},
      {frs,
       "467.71250|467.71250|OFF|OFF|窄带\n462.55000|462.55000|OFF|OFF|宽带\n",
       kNormal,
       {CsvRowRange{14, 15}}},
      {frs, "462.67500|467.67500|D503|D503|宽带\n", kNormal, {CsvRowRange{52, 52}}},
      {mixed, "第2行第3列（Frequency）：“146.52000”不在400～490 MHz之内"},
      {mixed,
       "446.00625|446.00625|OFF|OFF|窄带\n450.00000|450.00000|100|100|宽带\n"
       "462.67500|462.67500|D074|D074|宽带\n"
       "跳过第1个：Frequency“146.52000”不在400～490 MHz之内\n"
       "跳过第3个：Frequency“162.55000”不在400～490 MHz之内\n"
       "跳过第4个：Frequency“121.50000”不在400～490 MHz之内\n"
       "跳过第5个：rToneFreq“69.3”不是普通模式的亚音\n"
       "跳过第6个：Offset“390.00000”超出电台能存放的发射频率\n"
       "跳过第7个：Mode“DV”不是FM或NFM\n",
       kNormal,
       {std::nullopt, true}},
      {mixed,
       "446.00625|446.00625|OFF|OFF|窄带\n跳过第3个：Frequency“162.55000”不在400～490 MHz之内\n",
       kNormal,
       {CsvRowRange{2, 3}, true}},
      {grid("1,450,OFF,450,OFF,宽带\r\n2,500,OFF,450,OFF,宽带"),
       "没有可导入的信道\n跳过第2个：接收频率“500”不在400～490 MHz之内",
       kNormal,
       {CsvRowRange{2, 2}, true}},
      {"Frequency\r\n446\r\nabc\r\n",
       "第3行第1列（Frequency）：“abc”不是频率",
       kNormal,
       {std::nullopt, true}},  // a value that is no value refuses all the same
      {std::string(kUtf8Bom) + grid("1,450.10000,100.0,400,D023,宽带\r\n2,490,OFF,750.001,67,窄带"),
       "450.10000|400|100|D023|宽带\n490|750.001|OFF|67.0|窄带\n"},
      {grid("\"1\",\"409.7625\",\"I754\",\"410\",\"69.3\",\"窄带\""),
       "409.7625|410|I754|69.3|窄带\n", kPro},
      {"Mode,Frequency,Tone,Duplex,Offset,DtcsCode\r\nNFM,450,DTCS,split,460.0,23\r\n",
       "450.00000|460.00000|D023|D023|窄带\n"},
      {"#\r\nFrequency,Comment\r\n446,\"a\r\nb\"\r\n#\r\n500,x\r\n",
       "第6行第1列（Frequency）：“500.00000”不在400～490 MHz之内"},
      {grid("1,450.1a,OFF,450,OFF,宽带"), "第2行第2列（接收频率）：“450.1a”" + not_typed},
      {grid("1,450..1,OFF,450,OFF,宽带"), "第2行第2列（接收频率）：“450..1”" + not_typed},
      {grid("1,450.125000,OFF,450,OFF,宽带"), "第2行第2列（接收频率）：“450.125000”" + not_typed},
      {grid("1,399.995,OFF,450,OFF,宽带"), "第2行第2列（接收频率）：“399.995”不在400～490 MHz之内"},
      {grid("1,490.005,OFF,450,OFF,宽带"), "第2行第2列（接收频率）：“490.005”不在400～490 MHz之内"},
      {grid("1,450,I023,450,OFF,宽带"), "第2行第3列（接收亚音）：“I023”不是普通模式的亚音"},
      {grid("1,450,I023,450,OFF,宽带\r\n2,440,OFF,440,OFF,宽带"),
       "440|440|OFF|OFF|宽带\n跳过第1个：接收亚音“I023”不是普通模式的亚音\n",
       kNormal,
       {std::nullopt, true}},  // a code of the other mode is unfit, not wrong
      {grid("1,450,OFF,300,OFF,宽带"), "第2行第4列（发射频率）：“300”超出电台能存放的发射频率"},
      {grid("1,450,OFF,450,67.05,宽带"), "第2行第5列（发射亚音）：“67.05”不是普通模式的亚音"},
      {grid("1,450,OFF,450,OFF,Wide\r\n2,440,OFF,440,OFF,narrow\r\n3,430,OFF,430,OFF,NARROWBAND"),
       "450|450|OFF|OFF|宽带\n440|440|OFF|OFF|窄带\n430|430|OFF|OFF|窄带\n"},  // the English words
      {grid("1,450,OFF,450,OFF,w£de"), "第2行第6列（带宽）：“w£de”不是带宽（宽带或窄带）"},
      {grid("1,450,OFF,450,OFF,😀\U00100000"),
       "第2行第6列（带宽）：“😀\U00100000”不是带宽（宽带或窄带）"},
      {grid("2,450,OFF,450,OFF,宽带"), "第2行第1列（信道）：信道号应为1"},
      {grid("1,450,OFF,450,OFF"), "第2行：应有6列，实有5列"},
      {kGridHeader, "没有可导入的信道"},
      {"Channel,RX\r\n1,450\r\n",
       "第1行：表头应为“信道,接收频率,接收亚音,发射频率,发射亚音,带宽”或含Frequency列的通用格式"},
      {"Frequency\r\n446.0062501", "第2行第1列（Frequency）：“446.0062501”比10 Hz更细"},
      {"Frequency,Duplex\r\n446,x", "第2行第2列（Duplex）：“x”不是空、+、-或split"},
      {"Tone,cToneFreq,Frequency\r\nTSQL,D023,440", "第2行第2列（cToneFreq）：“D023”不是CTCSS亚音"},
      {"Frequency,Tone,DtcsCode\r\n440,DTCS,2x", "第2行第3列（DtcsCode）：“2x”不是DCS码"},
      {"Frequency,Tone,DtcsCode\r\n440,DTCS,0023", "第2行第3列（DtcsCode）：“0023”不是DCS码"},
      {"Frequency,Tone,DtcsCode\r\n440,DTCS,999",
       "第2行第3列（DtcsCode）：“D999”不是专业模式的亚音", kPro},
      {"Frequency,Tone,DtcsPolarity\r\n440,DTCS,NX",
       "第2行第3列（DtcsPolarity）：“NX”不是NN、NR、RN或RR"},
      {"Frequency,Tone,CrossMode\r\n440,Cross,Tone",
       "第2行第3列（CrossMode）：“Tone”不是X->Y（X、Y为Tone、DTCS或空）"},
      {"Frequency,Mode\r\n440,\xE5\xAE\x41", "第2行第2列（Mode）：“瀹A”不是FM或NFM"},
      {"Frequency,Duplex\r\n440,split", "第2行（Offset）：“000.00000”超出电台能存放的发射频率"},
      {"Frequency,Duplex,Offset\r\n440,-,440",
       "第2行第3列（Offset）：“000.00000”超出电台能存放的发射频率"},
      {"Frequency,Duplex,Offset\r\n440,-,440.00001",
       "第2行第3列（Offset）：“-000.00001”超出电台能存放的发射频率"},
      {"Frequency,Tone\r\n440,Loud",
       "第2行第2列（Tone）：“Loud”不是空、Tone、TSQL、DTCS、Cross、TSQL-R或DTCS-R"},
      {"Frequency,Mode\r\n440,\xE5\x41", "第2行第2列（Mode）：“錋”不是FM或NFM"},
      {"\xFF\xFF\r\n", "文件既不是UTF-8也不是GBK文字"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.bytes.substr(0, 120));
    EXPECT_EQ(imported(c.bytes, c.mode, c.selection), c.result);
  }
  EXPECT_EQ(csv_channels(frs, kNormal, {CsvRowRange{1, 22}})->channels.size(), 22u);
  EXPECT_EQ(csv_row_count(frs).value(), 52);
}

// A file of up to 1 MiB is read and applied; a larger one is no channel list.
TEST(CsvImport, ReadsAFileOfOneMebibyteAtMost) {
  const auto file = std::filesystem::path(::testing::TempDir()) / "m27-import.csv";
  const std::string row = grid("1,440,D023,440,OFF,宽带");
  for (const std::size_t size : {1 << 20, (1 << 20) + 1}) {
    std::ofstream(file, std::ios::binary) << row + std::string(size - row.size(), '\n');
    Sheet sheet = startup_sheet();
    const auto refusal = import_csv(sheet, file).refusal;
    EXPECT_EQ(refusal ? source_text(refusal->text) : sheet.rows[0].rx_tone,
              size > 1 << 20 ? "导入CSV失败\n" + file.string() + "\n文件大于1048576字节" : "D023");
  }
  std::filesystem::remove(file);
}

// The channel total becomes the smaller of the base's and the rows imported, and the rows follow
// it: the radio gets only what the file brings, and a 25-row export keeps the base's total.
TEST(CsvImport, LeavesTheChannelTotalAtTheRowsImportedAtMost) {
  struct Case {
    const char* base;
    int rows;
    const char* total;  // or the refusal
  };
  const Case kCases[] = {
      {"22", 10, "10"},
      {"25", 10, "10"},
      {"22", 25, "22"},
      {"25", 25, "25"},
      {"", 3, "3"},
      {"22", 30, "第27行：信道多于25个（文件中有30个），可用--rows FIRST..LAST选取其中至多25个"},
  };
  for (const Case& c : kCases) {
    std::string bytes = kGridHeader;
    for (int i = 1; i <= c.rows; ++i) bytes += std::to_string(i) + ",450,OFF,450,OFF,宽带\r\n";
    Sheet sheet = startup_sheet();
    sheet.channel_total = c.base;
    const auto taken = csv_channels(bytes, kNormal);
    if (taken) apply_csv_channels(sheet, taken->channels);
    EXPECT_EQ(taken ? sheet.channel_total : source_text(taken.why()), c.total);
    const int total = taken ? std::stoi(sheet.channel_total) : kRows;
    for (int i = 0; i < kRows; ++i) EXPECT_EQ(sheet.rows[i].enabled, i < total) << i;
  }
}

// A row as the hobby tools write it; a code past the table decodes to "", which no layout can say.
TEST(CsvExport, ThenImportGivesBackEveryChannelInBothLayouts) {
  for (const Sheet& original : {testing::varied_normal_sheet(), testing::varied_sheet()}) {
    for (const CsvLayout layout : {CsvLayout::Grid, CsvLayout::Generic}) {
      const auto bytes = csv_file(original, layout);
      ASSERT_TRUE(bytes.ok()) << source_text(bytes.why());
      EXPECT_EQ(bytes->starts_with(kUtf8Bom), layout == CsvLayout::Grid);
      const auto channels = csv_channels(*bytes, original.tone_mode);
      ASSERT_TRUE(channels.ok()) << source_text(channels.why());
      Sheet imported = startup_sheet_in(original.tone_mode);
      apply_csv_channels(imported, channels->channels);
      EXPECT_EQ(imported.channel_total, original.channel_total);  // only the channels in use
      for (int i = 0; i < channels_in_use(original); ++i) {
        EXPECT_EQ(line_of(imported.rows[i], kRowFields), line_of(original.rows[i], kRowFields))
            << "channel " << i + 1;
      }
    }
  }
  Sheet sheet = startup_sheet();
  set_line(sheet.rows[0], kRowFields, "450.00625|445.00625|D023|67.0|宽带");
  EXPECT_NE(csv_file(sheet, CsvLayout::Generic)
                ->find("\r\n1,,450.006250,-,5.000000,"
                       "Cross,67.0,88.5,023,NN,023,Tone->DTCS,FM,"
                       "6.25,,,\r\n"),
            std::string::npos);
  const std::pair<const char*, const char*> kUnsayable[] = {
      {"450.1.2|450|OFF|OFF|宽带", "接收频率：“450.1.2”不是频率"},
      {"450|abc|OFF|OFF|宽带", "发射频率：“abc”不是频率"},
      {"450|450|D999|OFF|宽带", "接收亚音：“D999”不是普通模式的亚音"},
      {"450|450|OFF||宽带", "发射亚音：“”不是普通模式的亚音"},
      {"450|450|OFF|OFF|中", "带宽：“中”不是带宽（宽带或窄带）"},
  };
  for (const auto& [row, refusal] : kUnsayable) {
    set_line(sheet.rows[2], kRowFields, row);
    const auto bytes = csv_file(sheet, CsvLayout::Generic);
    EXPECT_EQ(bytes ? *bytes : source_text(bytes.why()), "第3信道" + std::string(refusal));
  }
}

}  // namespace
}  // namespace m27
