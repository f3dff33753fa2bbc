// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/csv_generic.h"

#include <algorithm>
#include <array>

#include "channels/cell_rule.h"
#include "channels/channel_table.h"
#include "channels/decimal.h"
#include "channels/frequency.h"
#include "files/csv_generic_tones.h"
#include "files/csv_problem.h"

namespace m27 {
namespace {

constexpr std::array<std::string_view, 17> kHeaders = {
    "Location",  "Name",      "Frequency", "Duplex",       "Offset",     "Tone",
    "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
    "Mode",      "TStep",     "Skip",      "Power",        "Comment"};

// What a column the file does not have reads as (RxDtcsCode reads the row's DtcsCode).
struct ColumnDefault {
  std::string_view name;
  std::string_view text;
};
constexpr std::array<ColumnDefault, 9> kDefaults = {{
    {"Duplex", ""},
    {"Offset", "0"},
    {"Tone", ""},
    {"rToneFreq", "88.5"},
    {"cToneFreq", "88.5"},
    {"DtcsCode", "023"},
    {"DtcsPolarity", "NN"},
    {"CrossMode", "Tone->Tone"},
    {"Mode", "FM"},
}};
constexpr std::string_view kFrequency = "Frequency";
constexpr std::string_view kRxDtcsCode = "RxDtcsCode";
constexpr std::string_view kDtcsCode = "DtcsCode";

constexpr int kMegahertzDecimals = 6;  // as the tools write them: "446.006250"
constexpr std::string_view kFm = "FM";
constexpr std::string_view kNfm = "NFM";

bool digits_only(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

Words not_a_frequency(std::string_view text) {
  return M27_WORDS("files", "“%1”不是频率").arg(std::string(text));
}

// A MHz text with no more than 10 Hz in it ("446.006250" yes, "446.0062501" no).
Checked<FreqUnits> exact_frequency(std::string_view text) {
  const std::size_t point = text.find('.');
  std::string_view whole = text.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
  while (fraction.ends_with('0')) fraction.remove_suffix(1);
  const bool number = (digits_only(whole) || (whole.empty() && point != std::string_view::npos)) &&
                      (fraction.empty() || digits_only(fraction));
  const auto value = number ? parse_decimal(text, kFreqDecimals) : std::nullopt;
  if (!value) return invalid_value(not_a_frequency(text));
  if (fraction.size() > kFreqDecimals) {
    return invalid_value(M27_WORDS("files", "“%1”比10 Hz更细").arg(std::string(text)));
  }
  return *value;
}

std::string megahertz(FreqUnits f) {
  return fixed_decimal(f * 10, kMegahertzDecimals, 1);  // 10 Hz units to the sixth decimal
}

// One row of an import with the header's column positions.
class GenericRow {
 public:
  GenericRow(const CsvRecord& record,
             const std::map<std::string, std::size_t, std::less<>>& columns)
      : record_(record), columns_(columns) {}

  Checked<CsvChannel> channel(ToneMode mode) const {
    const auto rx = frequency(kFrequency);
    if (!rx) return rx.problem();
    auto rx_text = csv_receive_frequency(*rx);
    if (!rx_text) return placed(kFrequency, rx_text.problem());
    auto tx_text = transmit_frequency(*rx);
    if (!tx_text) return tx_text.problem();
    const auto tones = generic_tones(tone_columns(), mode);
    if (!tones) return placed(tones.problem().header, tones.problem());
    const std::string mode_text = value("Mode");
    if (mode_text != kFm && mode_text != kNfm) {
      return placed("Mode", unfit_value(M27_WORDS("files", "“%1”不是FM或NFM").arg(mode_text)));
    }
    return CsvChannel{std::move(rx_text).take(), (*tones).rx, std::move(tx_text).take(),
                      (*tones).tx, std::string(mode_text == kFm ? kWide : kNarrow)};
  }

 private:
  // The column a name is read from: itself, or for a missing RxDtcsCode the DtcsCode.
  std::string_view source(std::string_view name) const {
    if (name == kRxDtcsCode && !columns_.contains(name)) return kDtcsCode;
    return name;
  }

  // The row's text in a column; "" past the row's end; the default when the file lacks it.
  std::string value(std::string_view name) const {
    const auto column = columns_.find(source(name));
    if (column != columns_.end()) {
      return column->second < record_.fields.size() ? record_.fields[column->second] : "";
    }
    const auto fallback =
        std::find_if(kDefaults.begin(), kDefaults.end(),
                     [&](const ColumnDefault& d) { return d.name == source(name); });
    return fallback == kDefaults.end() ? "" : std::string(fallback->text);
  }

  CsvProblem placed(std::string_view name, CsvProblem problem) const {
    const auto column = columns_.find(source(name));
    problem.line = record_.line;
    problem.column = column == columns_.end() ? 0 : column->second + 1;
    problem.header = source(name);
    return problem;
  }

  Checked<FreqUnits> frequency(std::string_view name) const {
    auto f = exact_frequency(value(name));
    if (!f) return placed(name, f.problem());
    return f;
  }

  Checked<std::string> transmit_frequency(FreqUnits rx) const {
    const std::string duplex = value("Duplex");
    if (duplex.empty()) return frequency_text(rx);
    if (duplex != "+" && duplex != "-" && duplex != "split") {
      return placed("Duplex",
                    invalid_value(M27_WORDS("files", "“%1”不是空、+、-或split").arg(duplex)));
    }
    const auto offset = frequency("Offset");
    if (!offset) return offset.problem();
    const FreqUnits tx = duplex == "+" ? rx + *offset : duplex == "-" ? rx - *offset : *offset;
    auto checked = csv_transmit_frequency(tx);
    if (!checked) return placed("Offset", checked.problem());
    return checked;
  }

  GenericToneColumns tone_columns() const {
    return {value("Tone"),         value("rToneFreq"), value("cToneFreq"), value("DtcsCode"),
            value("DtcsPolarity"), value(kRxDtcsCode), value("CrossMode")};
  }

  const CsvRecord& record_;
  const std::map<std::string, std::size_t, std::less<>>& columns_;
};

Words export_refusal(int row, Cell column, Words problem) {
  return M27_WORDS("files", "第%1信道%2：%3")
      .arg(row + 1)
      .arg(caption_of(column))
      .arg(std::move(problem));
}

Result<std::vector<std::string>, Words> generic_row(const Sheet& sheet, int i) {
  const ChannelRow& row = sheet.rows[i];
  const auto rx = frequency_value(row.rx_frequency);
  if (!rx) return export_refusal(i, Cell::rx_frequency, not_a_frequency(row.rx_frequency));
  const auto tx = frequency_value(row.tx_frequency);
  if (!tx) return export_refusal(i, Cell::tx_frequency, not_a_frequency(row.tx_frequency));
  const auto rx_tone = csv_tone(row.rx_tone, sheet.tone_mode);
  if (!rx_tone) return export_refusal(i, Cell::rx_tone, rx_tone.problem().text);
  const auto tx_tone = csv_tone(row.tx_tone, sheet.tone_mode);
  if (!tx_tone) return export_refusal(i, Cell::tx_tone, tx_tone.problem().text);
  const auto bandwidth = csv_bandwidth(row.bandwidth);
  if (!bandwidth) return export_refusal(i, Cell::bandwidth, bandwidth.problem().text);

  const std::string duplex = *tx == *rx ? "" : *tx > *rx ? "+" : "-";
  const FreqUnits offset = *tx > *rx ? *tx - *rx : *rx - *tx;
  const GenericToneColumns tones = generic_tone_columns({*tx_tone, *rx_tone});
  const std::string step = *rx % kRaster6_25 == 0 ? "6.25" : "5.00";
  const std::string mode(*bandwidth == kWide ? kFm : kNfm);
  return std::vector<std::string>{std::to_string(i + 1),
                                  "",
                                  megahertz(*rx),
                                  duplex,
                                  megahertz(offset),
                                  tones.tone,
                                  tones.r_tone,
                                  tones.c_tone,
                                  tones.dtcs,
                                  tones.polarity,
                                  tones.rx_dtcs,
                                  tones.cross,
                                  mode,
                                  step,
                                  "",
                                  "",
                                  ""};
}

}  // namespace

Result<std::string, Words> generic_csv(const Sheet& sheet) {
  std::string text = csv_line({kHeaders.begin(), kHeaders.end()});
  for (int i = 0; i < channels_in_use(sheet); ++i) {
    const auto row = generic_row(sheet, i);
    if (!row) return row.why();
    text += csv_line(*row);
  }
  return text;
}

bool is_generic_header(const CsvRecord& header) {
  return std::find(header.fields.begin(), header.fields.end(), kFrequency) != header.fields.end();
}

GenericLayout::GenericLayout(const CsvRecord& header) {
  for (std::size_t i = 0; i < header.fields.size(); ++i) columns_.emplace(header.fields[i], i);
}

Checked<CsvChannel> GenericLayout::channel(const CsvRecord& row, ToneMode mode) const {
  return GenericRow(row, columns_).channel(mode);
}

}  // namespace m27
