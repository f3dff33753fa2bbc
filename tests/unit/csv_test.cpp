// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheet CSV files in both layouts: reading (byte-order mark, GBK, CR LF or LF, quotes),
// every tone kind, duplex kind and mode, both tone tables, refusals naming line and column,
// and export then import giving back every channel.

#include <gtest/gtest.h>

#include "files/csv_commands.h"
#include "files/csv_records.h"
#include "files/gbk.h"
#include "sheet_line.h"
#include "support/varied_sheet.h"

namespace m27 {
namespace {

constexpr ToneMode kNormal = ToneMode::Normal;
constexpr ToneMode kPro = ToneMode::Professional;

const std::string kGridHeader = "信道,接收频率,接收亚音,发射频率,发射亚音,带宽\r\n";
const std::string kGenericHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\r\n";

std::string grid(const std::string& row) { return kGridHeader + row + "\r\n"; }
std::string generic(const std::string& row) { return kGenericHeader + row + "\r\n"; }

TEST(CsvRecords, SplitsQuotedFieldsAndNamesWhereAQuoteGoesWrong) {
  const auto records = csv_records("a,\"b,\"\"c\"\"\r\nd\",e\r\n\r\n,,\nf");
  ASSERT_TRUE(records.ok()) << records.reason();
  ASSERT_EQ(records->size(), 2u);  // the blank line and the row of commas are left out
  EXPECT_EQ((*records)[0].line, 1);
  EXPECT_EQ((*records)[0].fields, (std::vector<std::string>{"a", "b,\"c\"\r\nd", "e"}));
  EXPECT_EQ((*records)[1].line, 5);
  EXPECT_EQ((*records)[1].fields, std::vector<std::string>{"f"});
  EXPECT_EQ(csv_records("x\r\na,\"b").reason(), "第2行第2列：引号没有结束");
  EXPECT_EQ(csv_records("\"a\"b,c").reason(), "第1行第1列：引号后还有文字");
  EXPECT_EQ(csv_line({"1", "a,b", "say \"hi\"", ""}), "1,\"a,b\",\"say \"\"hi\"\"\",\r\n");
}

// The grid layout as typed (nine characters the most, 400 and 490 MHz the ends of the band),
// in GBK, quoted; every tone kind and duplex kind of the generic layout, both modes and both
// tables, a short code and reordered and missing columns. A row of the generic layout in full
// is what the export of its channel gives back.
TEST(CsvImport, ReadsEveryLayoutToneDuplexAndMode) {
  struct Case {
    std::string bytes;
    const char* row;  // channel 1 in the grid
    ToneMode mode = kNormal;
  };
  const Case kCases[] = {
      {std::string(kUtf8Bom) + grid("1,450.10000,100.0,450,D023,宽带\r\n2,490,OFF,490,OFF,窄带"),
       "450.10000|450|100|D023|宽带"},
      {*utf8_to_gbk("信道,接收频率,接收亚音,发射频率,发射亚音,带宽\n1,400,off,462.5625,67,窄带\n"),
       "400|462.5625|OFF|67.0|窄带"},
      // Snapped to 750 MHz, the write's second raster check counts it in 6.25 kHz: it fits.
      {grid("1,450,OFF,750.001,OFF,宽带"), "450|750.001|OFF|OFF|宽带"},
      {grid("\"1\",\"409.7625\",\"I754\",\"410\",\"69.3\",\"窄带\""), "409.7625|410|I754|69.3|窄带",
       kPro},
      {generic("1,,462.562500,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,,"),
       "462.56250|462.56250|OFF|OFF|窄带"},
      {generic("1,,440.005000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,,"),
       "440.00500|445.00500|OFF|100|宽带"},
      {generic("1,,450.025000,-,10.000000,TSQL,67.0,67.0,023,NN,023,Tone->Tone,NFM,6.25,,,"),
       "450.02500|440.02500|67.0|67.0|窄带"},
      {generic("1,,409.762500,,0.000000,DTCS,88.5,88.5,023,NR,754,Tone->Tone,FM,6.25,,,"),
       "409.76250|409.76250|I754|D023|宽带", kPro},
      {generic("1,,409.762500,,0.000000,Cross,88.5,254.1,025,RN,023,DTCS->Tone,FM,6.25,,,"),
       "409.76250|409.76250|254.1|I025|宽带", kPro},
      {generic("1,,409.762500,,0.000000,Cross,88.5,71.9,023,NN,023,->Tone,FM,6.25,,,"),
       "409.76250|409.76250|71.9|OFF|宽带"},
      {generic("1,,409.762500,,0.000000,Cross,123.0,88.5,023,NN,503,Tone->DTCS,FM,6.25,,,"),
       "409.76250|409.76250|D503|123|宽带"},
      {generic("1,,409.762500,,0.000000,Cross,88.5,88.5,031,NN,023,DTCS->,FM,6.25,,,"),
       "409.76250|409.76250|OFF|D031|宽带"},
      {"Mode,Frequency,Tone,Duplex,Offset,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
       "CrossMode,Extra\r\nNFM,450,DTCS,split,460.0,,,23,NN,23,,x\r\n",
       "450.00000|460.00000|D023|D023|窄带"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.bytes);
    const auto channels = csv_channels(c.bytes, c.mode);
    ASSERT_TRUE(channels.ok()) << channels.reason();
    Sheet sheet = startup_sheet_in(c.mode);
    apply_csv_channels(sheet, *channels);
    EXPECT_EQ(line_of(sheet.rows[0], kRowFields), c.row);
    if (c.bytes.starts_with(kGenericHeader)) {
      EXPECT_EQ(csv_file(sheet, CsvLayout::Generic)->substr(0, c.bytes.size()), c.bytes);
    }
  }
}

// Characters of two and four bytes in UTF-8, up to the last plane; a file that is no UTF-8 is
// read as GBK.
TEST(CsvImport, RefusesNamingTheLineAndColumnOfTheFirstBadValue) {
  struct Case {
    std::string bytes;
    const char* refusal;
    ToneMode mode = kNormal;
  };
  std::string more_than_25 = kGridHeader;
  for (int i = 1; i <= 26; ++i) more_than_25 += std::to_string(i) + ",450,OFF,450,OFF,宽带\r\n";
  const Case kBad[] = {
      {grid("1,450.1a,OFF,450,OFF,宽带"),
       "第2行第2列（接收频率）：“450.1a”不是频率（只可有数字和一个小数点，最多9个字符）"},
      {grid("1,450..1,OFF,450,OFF,宽带"),
       "第2行第2列（接收频率）：“450..1”不是频率（只可有数字和一个小数点，最多9个字符）"},
      {grid("1,450.125000,OFF,450,OFF,宽带"),
       "第2行第2列（接收频率）：“450.125000”不是频率（只可有数字和一个小数点，最多9个字符）"},
      {grid("1,399.995,OFF,450,OFF,宽带"), "第2行第2列（接收频率）：“399.995”不在400～490 MHz之内"},
      {grid("1,490.005,OFF,450,OFF,宽带"), "第2行第2列（接收频率）：“490.005”不在400～490 MHz之内"},
      {grid("1,450,I023,450,OFF,宽带"), "第2行第3列（接收亚音）：“I023”不是普通模式的亚音"},
      {grid("1,450,OFF,300,OFF,宽带"), "第2行第4列（发射频率）：“300”超出电台能存放的发射频率"},
      {grid("1,450,OFF,450,67.05,宽带"), "第2行第5列（发射亚音）：“67.05”不是普通模式的亚音"},
      {grid("1,450,OFF,450,OFF,w£de"), "第2行第6列（带宽）：“w£de”不是带宽（宽带或窄带）"},
      {grid("1,450,OFF,450,OFF,😀\U00100000"),
       "第2行第6列（带宽）：“😀\U00100000”不是带宽（宽带或窄带）"},
      {grid("2,450,OFF,450,OFF,宽带"), "第2行第1列（信道）：信道号应为1"},
      {grid("1,450,OFF,450,OFF"), "第2行：应有6列，实有5列"},
      {more_than_25, "第27行：信道多于25个"},
      {"Channel,RX\r\n1,450\r\n",
       "第1行：表头应为“信道,接收频率,接收亚音,发射频率,发射亚音,带宽”或含Frequency列的通用格式"},
      {"Frequency,Duplex\r\n", "第1行：缺少Offset列"},
      {generic("1,,446.0062501,,0,,88.5,88.5,023,NN,023,,FM,,,,"),
       "第2行第3列（Frequency）：“446.0062501”比10 Hz更细"},
      {generic("1,,446.00625,x,0,,88.5,88.5,023,NN,023,,FM,,,,"),
       "第2行第4列（Duplex）：“x”不是空、+、-或split"},
      {generic("1,,440,-,50,,88.5,88.5,023,NN,023,,FM,,,,"),
       "第2行第5列（Offset）：“390.00000”超出电台能存放的发射频率"},
      {generic("1,,440,-,440,,88.5,88.5,023,NN,023,,FM,,,,"),
       "第2行第5列（Offset）：“000.00000”超出电台能存放的发射频率"},
      {generic("1,,440,-,440.00001,,88.5,88.5,023,NN,023,,FM,,,,"),
       "第2行第5列（Offset）：发射频率低于0"},
      {generic("1,,440,,0,Loud,88.5,88.5,023,NN,023,,FM,,,,"),
       "第2行第6列（Tone）：“Loud”不是空、Tone、TSQL、DTCS或Cross"},
      {generic("1,,440,,0,Tone,69.3,88.5,023,NN,023,,FM,,,,"),
       "第2行第7列（rToneFreq）：“69.3”不是普通模式的亚音"},
      {generic("1,,440,,0,TSQL,88.5,D023,023,NN,023,,FM,,,,"),
       "第2行第8列（cToneFreq）：“D023”不是CTCSS亚音"},
      {generic("1,,440,,0,DTCS,88.5,88.5,2x,NN,023,,FM,,,,"),
       "第2行第9列（DtcsCode）：“2x”不是DCS码"},
      {generic("1,,440,,0,DTCS,88.5,88.5,0023,NN,023,,FM,,,,"),
       "第2行第9列（DtcsCode）：“0023”不是DCS码"},
      {generic("1,,440,,0,DTCS,88.5,88.5,999,NN,023,,FM,,,,"),
       "第2行第9列（DtcsCode）：“D999”不是专业模式的亚音", kPro},
      {generic("1,,440,,0,DTCS,88.5,88.5,023,NR,023,,FM,,,,"),
       "第2行第10列（DtcsPolarity）：“I023”不是普通模式的亚音"},
      {generic("1,,440,,0,DTCS,88.5,88.5,023,NX,023,,FM,,,,"),
       "第2行第10列（DtcsPolarity）：“NX”不是NN、NR、RN或RR"},
      {generic("1,,440,,0,Cross,88.5,88.5,023,NN,023,Tone,FM,,,,"),
       "第2行第12列（CrossMode）：“Tone”不是X->Y（X、Y为Tone、DTCS或空）"},
      {generic("1,,440,,0,,88.5,88.5,023,NN,023,,AM,,,,"), "第2行第13列（Mode）：“AM”不是FM或NFM"},
      {generic("1,,440,,0,,88.5,88.5,023,NN,023,,\xE5\xAE\x41,,,,"),
       "第2行第13列（Mode）：“瀹A”不是FM或NFM"},
      {generic("1,,440,,0,,88.5,88.5,023,NN,023,,\xE5\x41,,,,"),
       "第2行第13列（Mode）：“錋”不是FM或NFM"},
      {"\xFF\xFF\r\n", "文件既不是UTF-8也不是GBK文字"},
  };
  for (const Case& c : kBad) {
    const auto channels = csv_channels(c.bytes, c.mode);
    EXPECT_EQ(channels.ok() ? "" : channels.reason(), c.refusal);
  }
}

// A code past the table decodes to "", which no layout can say.
TEST(CsvExport, ThenImportGivesBackEveryChannelInBothLayouts) {
  for (const Sheet& original : {testing::varied_normal_sheet(), testing::varied_sheet()}) {
    for (const CsvLayout layout : {CsvLayout::Grid, CsvLayout::Generic}) {
      const auto bytes = csv_file(original, layout);
      ASSERT_TRUE(bytes.ok()) << bytes.reason();
      EXPECT_EQ(bytes->starts_with(kUtf8Bom), layout == CsvLayout::Grid);
      const auto channels = csv_channels(*bytes, original.tone_mode);
      ASSERT_TRUE(channels.ok()) << channels.reason();
      Sheet imported = startup_sheet_in(original.tone_mode);
      apply_csv_channels(imported, *channels);
      for (int i = 0; i < kRows; ++i) {
        EXPECT_EQ(line_of(imported.rows[i], kRowFields), line_of(original.rows[i], kRowFields))
            << "channel " << i + 1;
      }
    }
  }
  Sheet unsayable = startup_sheet();
  unsayable.rows[2].tx_tone = "";
  EXPECT_EQ(csv_file(unsayable, CsvLayout::Generic).reason(),
            "第3信道发射亚音：“”不是普通模式的亚音");
}

}  // namespace
}  // namespace m27
