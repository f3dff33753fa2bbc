// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a spreadsheet's CSV file, in both layouts and both tone tables, imported
// whole and as the window imports it (at most the first 25 rows, unfit rows left out), and checks
// what must hold:
// - a refusal says why, naming a line, the range or the file;
// - the rows taken and the rows left out are the rows chosen, and a whole import that succeeds
//   takes them all;
// - what was imported exports in the generic layout and imports again to the same file;
// - a UTF-8 file reads the same as GBK, where GBK can say it.

#include <algorithm>
#include <cstdint>
#include <string>

#include "files/csv_commands.h"
#include "files/csv_records.h"
#include "files/gbk.h"
#include "fuzz_check.h"

namespace m27 {
namespace {

using fuzz::check;

// An import as one text: its refusal, or its channels and the rows it left out.
std::string summary(const Result<CsvImport, Words>& taken) {
  if (!taken) {
    const std::string why = source_text(taken.why());
    check(why.starts_with("第") || why.starts_with("文件") || why.starts_with("--rows ") ||
              why.starts_with("没有可导入的信道"),
          "a refusal that does not say why");
    return why;
  }
  std::string text;
  for (const CsvChannel& c : taken->channels) {
    text += c.rx_frequency + c.rx_tone + c.tx_frequency + c.tx_tone + c.bandwidth + '\n';
  }
  for (const Words& line : taken->skipped) text += source_text(line) + '\n';
  return text;
}

// Returns the summary of the whole import.
std::string check_import(const std::string& bytes, ToneMode mode) {
  const std::string whole = summary(csv_channels(bytes, mode));
  const auto rows = csv_row_count(bytes);
  if (!rows || *rows == 0) return whole;
  const int chosen = std::min(*rows, kRows);
  const auto taken = csv_channels(bytes, mode, {CsvRowRange{1, chosen}, true});
  check(whole.starts_with("第") || whole == summary(taken), "skipping changed a whole import");
  if (!taken) return whole;
  check(taken->channels.size() + taken->skipped.size() == static_cast<std::size_t>(chosen),
        "rows lost between the taken and the left out");
  Sheet sheet = startup_sheet();
  sheet.tone_mode = mode;
  apply_csv_channels(sheet, taken->channels);
  const auto exported = csv_file(sheet, CsvLayout::Generic);
  check(exported.ok(), "what was imported does not export in the generic layout");
  const auto again = csv_channels(*exported, mode);
  check(again.ok(), "the generic export does not import again");
  apply_csv_channels(sheet, again->channels);
  check(csv_file(sheet, CsvLayout::Generic).value() == *exported,
        "the generic export imported again exports differently");
  return whole;
}

}  // namespace
}  // namespace m27

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace m27;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto text = csv_text(bytes);
  const auto gbk = utf8_to_gbk(bytes);
  const auto gbk_read = gbk ? csv_text(*gbk) : Result<std::string, Words>(as_is({}));
  // Plain UTF-8 whose GBK form is no UTF-8: read as GBK, it must mean the same.
  const bool gbk_too = text && *text == bytes && gbk_read && *gbk_read == bytes && *gbk != bytes;
  for (const ToneMode mode : {ToneMode::Normal, ToneMode::Professional}) {
    const std::string whole = check_import(bytes, mode);
    if (gbk_too) check(check_import(*gbk, mode) == whole, "GBK read differently from UTF-8");
  }
  return 0;
}
