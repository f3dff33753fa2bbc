// Spreadsheet CSV files in both layouts: reading (byte-order mark, GBK, CR LF or LF, quotes),
// every tone kind, duplex kind and mode, both tone tables, refusals naming line and column,
// and export then import giving back every channel.

#include <gtest/gtest.h>

#include "channels/options.h"
#include "files/csv_commands.h"
#include "files/csv_records.h"
#include "files/gbk.h"
#include "support/varied_sheet.h"

namespace m27 {
namespace {

constexpr ToneMode kNormal = ToneMode::Normal;
constexpr ToneMode kPro = ToneMode::Professional;

const std::string kGridHeader = "信道,接收频率,接收亚音,发射频率,发射亚音,带宽\r\n";
const std::string kGenericHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\r\n";

Sheet sheet_of(ToneMode mode) {
  Sheet sheet = startup_sheet();
  if (mode == kPro) {
    sheet.mode = std::string(kProfessionalMode);
    change_mode(sheet);
  }
  return sheet;
}

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

struct ImportCase {
  const char* name;
  ToneMode mode;
  std::string bytes;
  CsvChannel first;          // channel 1 as imported
  bool canonical = false;    // the export of `first` gives back the row as it stands
  const char* refusal = "";  // instead of `first`
  bool gbk = false;          // `bytes` go in as a spreadsheet saves them in GBK
};

const ImportCase kImports[] = {
    // The file as bytes: a byte-order mark, GBK, LF, quotes.
    {"grid with BOM and CR LF",
     kNormal,
     std::string(kUtf8Bom) + kGridHeader + "1,450.1,100.0,450,D023,宽带\r\n",
     {"450.1", "100", "450", "D023", "宽带"}},
    {"grid in GBK with LF",
     kNormal,
     "信道,接收频率,接收亚音,发射频率,发射亚音,带宽\n1,462.5625,off,462.5625,67,窄带\n",
     {"462.5625", "OFF", "462.5625", "67.0", "窄带"},
     false,
     "",
     true},
    {"grid with quoted fields",
     kPro,
     kGridHeader + "\"1\",\"409.7625\",\"I754\",\"410\",\"69.3\",\"窄带\"\r\n",
     {"409.7625", "I754", "410", "69.3", "窄带"}},
    // Every tone kind and duplex kind of the generic layout, both modes and both tables.
    {"no tones, simplex, NFM",
     kNormal,
     kGenericHeader + "1,,462.562500,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,,\r\n",
     {"462.56250", "OFF", "462.56250", "OFF", "窄带"},
     true},
    {"Tone, duplex +",
     kNormal,
     kGenericHeader +
         "1,,440.005000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,,\r\n",
     {"440.00500", "OFF", "445.00500", "100", "宽带"},
     true},
    {"TSQL, duplex -",
     kNormal,
     kGenericHeader +
         "1,,450.025000,-,10.000000,TSQL,67.0,67.0,023,NN,023,Tone->Tone,NFM,6.25,,,\r\n",
     {"450.02500", "67.0", "440.02500", "67.0", "窄带"},
     true},
    {"DTCS normal out, inverted in",
     kPro,
     kGenericHeader + "1,,409.762500,,0.000000,DTCS,88.5,88.5,023,NR,754,Tone->Tone,FM,6.25,,,\r\n",
     {"409.76250", "I754", "409.76250", "D023", "宽带"},
     true},
    {"Cross DTCS->Tone",
     kPro,
     kGenericHeader +
         "1,,409.762500,,0.000000,Cross,88.5,254.1,025,RN,023,DTCS->Tone,FM,6.25,,,\r\n",
     {"409.76250", "254.1", "409.76250", "I025", "宽带"},
     true},
    {"Cross ->Tone",
     kNormal,
     kGenericHeader + "1,,409.762500,,0.000000,Cross,88.5,71.9,023,NN,023,->Tone,FM,6.25,,,\r\n",
     {"409.76250", "71.9", "409.76250", "OFF", "宽带"},
     true},
    {"Cross Tone->Tone",
     kNormal,
     kGenericHeader +
         "1,,409.762500,,0.000000,Cross,67.0,71.9,023,NN,023,Tone->Tone,FM,6.25,,,\r\n",
     {"409.76250", "71.9", "409.76250", "67.0", "宽带"},
     true},
    {"Cross Tone->DTCS",
     kNormal,
     kGenericHeader +
         "1,,409.762500,,0.000000,Cross,123.0,88.5,023,NN,503,Tone->DTCS,FM,6.25,,,\r\n",
     {"409.76250", "D503", "409.76250", "123", "宽带"},
     true},
    {"Cross DTCS->",
     kNormal,
     kGenericHeader + "1,,409.762500,,0.000000,Cross,88.5,88.5,031,NN,023,DTCS->,FM,6.25,,,\r\n",
     {"409.76250", "OFF", "409.76250", "D031", "宽带"},
     true},
    {"split, short code, reordered and missing columns",
     kNormal,
     "Mode,Frequency,Tone,Duplex,Offset,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
     "CrossMode,Extra\r\nNFM,450,DTCS,split,460.0,,,23,NN,23,,x\r\n",
     {"450.00000", "D023", "460.00000", "D023", "窄带"}},
    // Refusals, each naming the line and column of the first bad value.
    {"a letter in a frequency",
     kNormal,
     kGridHeader + "1,450.1a,OFF,450,OFF,宽带\r\n",
     {},
     false,
     "第2行第2列（接收频率）：“450.1a”不是频率（只可有数字和一个小数点，最多9个字符）"},
    {"ten characters",
     kNormal,
     kGridHeader + "1,450.125000,OFF,450,OFF,宽带\r\n",
     {},
     false,
     "第2行第2列（接收频率）：“450.125000”不是频率（只可有数字和一个小数点，最多9个字符）"},
    {"receive below the band",
     kNormal,
     kGridHeader + "1,399.995,OFF,450,OFF,宽带\r\n",
     {},
     false,
     "第2行第2列（接收频率）：“399.995”不在400～490 MHz之内"},
    {"an inverted code in the normal mode",
     kNormal,
     kGridHeader + "1,450,I023,450,OFF,宽带\r\n",
     {},
     false,
     "第2行第3列（接收亚音）：“I023”不是普通模式的亚音"},
    {"a transmit frequency without a count",
     kNormal,
     kGridHeader + "1,450,OFF,300,OFF,宽带\r\n",
     {},
     false,
     "第2行第4列（发射频率）：“300”超出电台能存放的发射频率"},
    {"a tone between two of the table's",
     kNormal,
     kGridHeader + "1,450,OFF,450,67.05,宽带\r\n",
     {},
     false,
     "第2行第5列（发射亚音）：“67.05”不是普通模式的亚音"},
    {"a bandwidth in English",
     kNormal,
     kGridHeader + "1,450,OFF,450,OFF,wide\r\n",
     {},
     false,
     "第2行第6列（带宽）：“wide”不是带宽（宽带或窄带）"},
    {"a channel out of place",
     kNormal,
     kGridHeader + "2,450,OFF,450,OFF,宽带\r\n",
     {},
     false,
     "第2行第1列（信道）：信道号应为1"},
    {"a missing column",
     kNormal,
     kGridHeader + "1,450,OFF,450,OFF\r\n",
     {},
     false,
     "第2行：应有6列，实有5列"},
    {"an unknown header",
     kNormal,
     "Channel,RX\r\n1,450\r\n",
     {},
     false,
     "第1行：表头应为“信道,接收频率,接收亚音,发射频率,发射亚音,带宽”或含Frequency列的通用格式"},
    {"a generic header without Offset",
     kNormal,
     "Frequency,Duplex\r\n",
     {},
     false,
     "第1行：缺少Offset列"},
    {"finer than 10 Hz",
     kNormal,
     kGenericHeader + "1,,446.0062501,,0,,88.5,88.5,023,NN,023,,FM,,,,\r\n",
     {},
     false,
     "第2行第3列（Frequency）：“446.0062501”比10 Hz更细"},
    {"an unknown duplex",
     kNormal,
     kGenericHeader + "1,,446.00625,x,0,,88.5,88.5,023,NN,023,,FM,,,,\r\n",
     {},
     false,
     "第2行第4列（Duplex）：“x”不是空、+、-或split"},
    {"a transmit frequency below the base",
     kNormal,
     kGenericHeader + "1,,440,-,50,,88.5,88.5,023,NN,023,,FM,,,,\r\n",
     {},
     false,
     "第2行第5列（Offset）：“390.00000”超出电台能存放的发射频率"},
    {"a professional tone in the normal mode",
     kNormal,
     kGenericHeader + "1,,440,,0,Tone,69.3,88.5,023,NN,023,,FM,,,,\r\n",
     {},
     false,
     "第2行第7列（rToneFreq）：“69.3”不是普通模式的亚音"},
    {"a DCS code as the CTCSS tone",
     kNormal,
     kGenericHeader + "1,,440,,0,TSQL,88.5,D023,023,NN,023,,FM,,,,\r\n",
     {},
     false,
     "第2行第8列（cToneFreq）：“D023”不是CTCSS亚音"},
    {"a code no table has",
     kPro,
     kGenericHeader + "1,,440,,0,DTCS,88.5,88.5,999,NN,023,,FM,,,,\r\n",
     {},
     false,
     "第2行第9列（DtcsCode）：“D999”不是专业模式的亚音"},
    {"inverted in the normal mode",
     kNormal,
     kGenericHeader + "1,,440,,0,DTCS,88.5,88.5,023,NR,023,,FM,,,,\r\n",
     {},
     false,
     "第2行第10列（DtcsPolarity）：“I023”不是普通模式的亚音"},
    {"a cross mode without an arrow",
     kNormal,
     kGenericHeader + "1,,440,,0,Cross,88.5,88.5,023,NN,023,Tone,FM,,,,\r\n",
     {},
     false,
     "第2行第12列（CrossMode）：“Tone”不是X->Y（X、Y为Tone、DTCS或空）"},
    {"an unknown mode",
     kNormal,
     kGenericHeader + "1,,440,,0,,88.5,88.5,023,NN,023,,AM,,,,\r\n",
     {},
     false,
     "第2行第13列（Mode）：“AM”不是FM或NFM"},
    {"neither UTF-8 nor GBK", kNormal, "\xFF\xFF\r\n", {}, false, "文件既不是UTF-8也不是GBK文字"},
};

TEST(CsvImport, EveryLayoutToneDuplexAndModeAndEveryRefusal) {
  for (const ImportCase& c : kImports) {
    SCOPED_TRACE(c.name);
    const auto channels = csv_channels(c.gbk ? *utf8_to_gbk(c.bytes) : c.bytes, c.mode);
    if (*c.refusal) {
      EXPECT_EQ(channels.ok() ? "" : channels.reason(), c.refusal);
      continue;
    }
    ASSERT_TRUE(channels.ok()) << channels.reason();
    ASSERT_EQ(channels->size(), 1u);
    EXPECT_EQ(channels->front(), c.first);
    if (!c.canonical) continue;
    Sheet sheet = sheet_of(c.mode);
    apply_csv_channels(sheet, *channels);
    const auto exported = csv_file(sheet, CsvLayout::Generic);
    ASSERT_TRUE(exported.ok()) << exported.reason();
    EXPECT_EQ(exported->substr(0, c.bytes.size()), c.bytes);
  }
}

TEST(CsvImport, MoreThan25RowsAreRefused) {
  std::string bytes = kGridHeader;
  for (int i = 1; i <= 26; ++i) bytes += std::to_string(i) + ",450,OFF,450,OFF,宽带\r\n";
  EXPECT_EQ(csv_channels(bytes, kNormal).reason(), "第27行：信道多于25个");
}

TEST(CsvExport, ThenImportGivesBackEveryChannelInBothLayouts) {
  for (const Sheet& original : {testing::varied_normal_sheet(), testing::varied_sheet()}) {
    for (const CsvLayout layout : {CsvLayout::Grid, CsvLayout::Generic}) {
      const auto bytes = csv_file(original, layout);
      ASSERT_TRUE(bytes.ok()) << bytes.reason();
      EXPECT_EQ(bytes->starts_with(kUtf8Bom), layout == CsvLayout::Grid);
      const auto channels = csv_channels(*bytes, original.tone_mode);
      ASSERT_TRUE(channels.ok()) << channels.reason();
      Sheet imported = sheet_of(original.tone_mode);
      apply_csv_channels(imported, *channels);
      for (int i = 0; i < kRows; ++i) {
        const ChannelRow& a = original.rows[i];
        const ChannelRow& b = imported.rows[i];
        EXPECT_EQ(std::tie(a.rx_frequency, a.rx_tone, a.tx_frequency, a.tx_tone, a.bandwidth),
                  std::tie(b.rx_frequency, b.rx_tone, b.tx_frequency, b.tx_tone, b.bandwidth))
            << "channel " << i + 1;
      }
    }
  }
  Sheet unsayable = startup_sheet();
  unsayable.rows[2].tx_tone = "";  // what a code past the table decodes to
  EXPECT_EQ(csv_file(unsayable, CsvLayout::Generic).reason(),
            "第3信道发射亚音：“”不是普通模式的亚音");
}

}  // namespace
}  // namespace m27
