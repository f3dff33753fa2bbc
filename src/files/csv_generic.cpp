// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/csv_generic.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

#include "channels/decimal.h"
#include "channels/frequency.h"

namespace m27 {
namespace {

constexpr std::array<std::string_view, 17> kHeaders = {
    "Location",  "Name",      "Frequency", "Duplex",       "Offset",     "Tone",
    "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
    "Mode",      "TStep",     "Skip",      "Power",        "Comment"};
// The columns an import reads; the others may be missing.
constexpr std::array<std::string_view, 11> kRequired = {
    "Frequency", "Duplex",       "Offset",     "Tone",      "rToneFreq", "cToneFreq",
    "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode"};

constexpr int kMegahertzDecimals = 6;  // as the tools write them: "446.006250"
constexpr int kToneDecimals = 1;       // "100.0"
constexpr std::string_view kFm = "FM";
constexpr std::string_view kNfm = "NFM";

enum class ToneKind { None, Ctcss, Dcs };

// One direction's tone as the layout says it: which kind, which column holds the value, and
// which letter of DtcsPolarity is its polarity.
struct ToneSource {
  ToneKind kind = ToneKind::None;
  std::string_view column;
  std::size_t polarity = 0;
};

constexpr ToneSource kNoTone{};
constexpr ToneSource kTxCtcss{ToneKind::Ctcss, "rToneFreq", 0};
constexpr ToneSource kRxCtcss{ToneKind::Ctcss, "cToneFreq", 1};
constexpr ToneSource kTxDcs{ToneKind::Dcs, "DtcsCode", 0};
constexpr ToneSource kRxDcs{ToneKind::Dcs, "RxDtcsCode", 1};

ToneKind kind_of(std::string_view entry) {
  if (entry == kToneOff) return ToneKind::None;
  return entry.front() == 'D' || entry.front() == 'I' ? ToneKind::Dcs : ToneKind::Ctcss;
}

std::string quoted(std::string_view text) { return "“" + std::string(text) + "”"; }

bool digits_only(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A MHz text with no more than 10 Hz in it ("446.006250" yes, "446.0062501" no).
Result<FreqUnits> exact_frequency(std::string_view text) {
  const std::size_t point = text.find('.');
  std::string_view whole = text.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
  while (fraction.ends_with('0')) fraction.remove_suffix(1);
  const bool number = (digits_only(whole) || (whole.empty() && point != std::string_view::npos)) &&
                      (fraction.empty() || digits_only(fraction));
  const auto value = number ? parse_decimal(text, kFreqDecimals) : std::nullopt;
  if (!value) return Failure{quoted(text) + "不是频率"};
  if (fraction.size() > kFreqDecimals) return Failure{quoted(text) + "比10 Hz更细"};
  return *value;
}

std::string megahertz(FreqUnits f) {
  return fixed_decimal(f * 10, kMegahertzDecimals, 1);  // 10 Hz units to the sixth decimal
}

// A row of an import with the header's column positions.
class GenericRow {
 public:
  GenericRow(const CsvRecord& record, const std::map<std::string, std::size_t>& columns,
             ToneMode mode)
      : record_(record), columns_(columns), mode_(mode) {}

  std::string_view value(std::string_view name) const {
    const std::size_t column = columns_.at(std::string(name));
    return column < record_.fields.size() ? std::string_view(record_.fields[column]) : "";
  }

  Failure refusal(std::string_view name, std::string_view problem) const {
    return Failure{csv_place(record_.line, columns_.at(std::string(name)) + 1, name) +
                   std::string(problem)};
  }

  Result<CsvChannel> channel() const {
    CsvChannel channel;
    const auto rx = frequency("Frequency", value("Frequency"));
    if (!rx) return Failure{rx.reason()};
    channel.rx_frequency = frequency_text(*rx);
    if (const auto checked = csv_receive_frequency(channel.rx_frequency); !checked) {
      return refusal("Frequency", checked.reason());
    }
    const auto tx = transmit_frequency(*rx);
    if (!tx) return Failure{tx.reason()};
    channel.tx_frequency = *tx;
    const auto sources = tone_sources();
    if (!sources) return Failure{sources.reason()};
    const auto tx_tone = tone(sources->first);
    if (!tx_tone) return Failure{tx_tone.reason()};
    const auto rx_tone = tone(sources->second);
    if (!rx_tone) return Failure{rx_tone.reason()};
    channel.tx_tone = *tx_tone;
    channel.rx_tone = *rx_tone;
    const std::string_view mode = value("Mode");
    if (mode != kFm && mode != kNfm) return refusal("Mode", quoted(mode) + "不是FM或NFM");
    channel.bandwidth = mode == kFm ? kWide : kNarrow;
    return channel;
  }

 private:
  Result<FreqUnits> frequency(std::string_view name, std::string_view text) const {
    const auto f = exact_frequency(text);
    if (!f) return refusal(name, f.reason());
    return *f;
  }

  Result<std::string> transmit_frequency(FreqUnits rx) const {
    const std::string_view duplex = value("Duplex");
    if (duplex.empty()) return frequency_text(rx);
    if (duplex != "+" && duplex != "-" && duplex != "split") {
      return refusal("Duplex", quoted(duplex) + "不是空、+、-或split");
    }
    const auto offset = frequency("Offset", value("Offset"));
    if (!offset) return Failure{offset.reason()};
    const FreqUnits tx = duplex == "+" ? rx + *offset : duplex == "-" ? rx - *offset : *offset;
    if (tx < 0) return refusal("Offset", "发射频率低于0");
    auto checked = csv_transmit_frequency(frequency_text(tx));
    if (!checked) return refusal("Offset", checked.reason());
    return std::move(checked).value();
  }

  // The transmit and the receive tone's sources.
  Result<std::pair<ToneSource, ToneSource>> tone_sources() const {
    const std::string_view tone = value("Tone");
    if (tone.empty()) return std::pair{kNoTone, kNoTone};
    if (tone == "Tone") return std::pair{kTxCtcss, kNoTone};
    if (tone == "TSQL") return std::pair{kRxCtcss, kRxCtcss};
    if (tone == "DTCS") return std::pair{kTxDcs, kRxDcs};
    if (tone != "Cross") return refusal("Tone", quoted(tone) + "不是空、Tone、TSQL、DTCS或Cross");
    const std::string_view cross = value("CrossMode");
    const std::size_t arrow = cross.find("->");
    const auto source = [](std::string_view kind, ToneSource ctcss,
                           ToneSource dcs) -> std::optional<ToneSource> {
      if (kind.empty()) return kNoTone;
      if (kind == "Tone") return ctcss;
      if (kind == "DTCS") return dcs;
      return std::nullopt;
    };
    if (arrow != std::string_view::npos) {
      const auto tx = source(cross.substr(0, arrow), kTxCtcss, kTxDcs);
      const auto rx = source(cross.substr(arrow + 2), kRxCtcss, kRxDcs);
      if (tx && rx) return std::pair{*tx, *rx};
    }
    return refusal("CrossMode", quoted(cross) + "不是X->Y（X、Y为Tone、DTCS或空）");
  }

  Result<std::string> tone(const ToneSource& source) const {
    if (source.kind == ToneKind::None) return std::string(kToneOff);
    const std::string_view text = value(source.column);
    if (source.kind == ToneKind::Ctcss) {
      auto entry = csv_tone(text, mode_);
      if (!entry || kind_of(*entry) != ToneKind::Ctcss) {
        return refusal(source.column, entry ? quoted(text) + "不是CTCSS亚音" : entry.reason());
      }
      return std::move(entry).value();
    }
    if (!digits_only(text) || text.size() > 3) {
      return refusal(source.column, quoted(text) + "不是DCS码");
    }
    const std::string code = std::string(3 - text.size(), '0') + std::string(text);
    if (const auto normal = csv_tone("D" + code, mode_); !normal) {
      return refusal(source.column, normal.reason());
    }
    const std::string_view polarity = value("DtcsPolarity");
    const bool valid =
        polarity.size() == 2 &&
        std::all_of(polarity.begin(), polarity.end(), [](char c) { return c == 'N' || c == 'R'; });
    if (!valid) return refusal("DtcsPolarity", quoted(polarity) + "不是NN、NR、RN或RR");
    const bool inverted = polarity[source.polarity] == 'R';
    auto entry = csv_tone((inverted ? "I" : "D") + code, mode_);
    if (!entry) return refusal("DtcsPolarity", entry.reason());
    return std::move(entry).value();
  }

  const CsvRecord& record_;
  const std::map<std::string, std::size_t>& columns_;
  ToneMode mode_;
};

// The export's columns of one row, before the defaults of the columns it leaves unused.
struct ToneColumns {
  std::string tone;
  std::string r_tone = "88.5";
  std::string c_tone = "88.5";
  std::string dtcs = "023";
  std::string polarity = "NN";
  std::string rx_dtcs = "023";
  std::string cross = "Tone->Tone";
};

std::string ctcss_text(std::string_view entry) {
  return fixed_decimal(*parse_decimal(entry, kToneDecimals), kToneDecimals, 1);
}

// Fills the columns of one direction's tone; the name CrossMode gives its kind.
std::string_view put_tone(ToneColumns& columns, std::string_view entry, bool transmit) {
  switch (kind_of(entry)) {
    case ToneKind::None:
      return "";
    case ToneKind::Ctcss:
      (transmit ? columns.r_tone : columns.c_tone) = ctcss_text(entry);
      return "Tone";
    case ToneKind::Dcs:
      (transmit ? columns.dtcs : columns.rx_dtcs) = std::string(entry.substr(1));
      columns.polarity[transmit ? 0 : 1] = entry.front() == 'I' ? 'R' : 'N';
      return "DTCS";
  }
  return "";
}

ToneColumns tone_columns(std::string_view tx, std::string_view rx) {
  ToneColumns columns;
  const ToneKind tx_kind = kind_of(tx);
  const ToneKind rx_kind = kind_of(rx);
  const std::string_view tx_name = put_tone(columns, tx, true);
  const std::string_view rx_name = put_tone(columns, rx, false);
  if (tx_kind == ToneKind::None && rx_kind == ToneKind::None) {
    columns.tone = "";
  } else if (tx_kind == ToneKind::Ctcss && rx_kind == ToneKind::None) {
    columns.tone = "Tone";
  } else if (tx_kind == ToneKind::Ctcss && tx == rx) {
    columns.tone = "TSQL";
  } else if (tx_kind == ToneKind::Dcs && rx_kind == ToneKind::Dcs) {
    columns.tone = "DTCS";
  } else {
    columns.tone = "Cross";
    columns.cross = std::string(tx_name) + "->" + std::string(rx_name);
  }
  return columns;
}

Failure export_refusal(int row, std::string_view column, std::string_view problem) {
  return Failure{"第" + std::to_string(row + 1) + "信道" + std::string(column) + "：" +
                 std::string(problem)};
}

Result<std::vector<std::string>> generic_row(const Sheet& sheet, int i) {
  const ChannelRow& row = sheet.rows[i];
  const auto rx = frequency_value(row.rx_frequency);
  if (!rx) return export_refusal(i, "接收频率", quoted(row.rx_frequency) + "不是频率");
  const auto tx = frequency_value(row.tx_frequency);
  if (!tx) return export_refusal(i, "发射频率", quoted(row.tx_frequency) + "不是频率");
  const auto rx_tone = csv_tone(row.rx_tone, sheet.tone_mode);
  if (!rx_tone) return export_refusal(i, "接收亚音", rx_tone.reason());
  const auto tx_tone = csv_tone(row.tx_tone, sheet.tone_mode);
  if (!tx_tone) return export_refusal(i, "发射亚音", tx_tone.reason());
  const auto bandwidth = csv_bandwidth(row.bandwidth);
  if (!bandwidth) return export_refusal(i, "带宽", bandwidth.reason());

  const std::string duplex = *tx == *rx ? "" : *tx > *rx ? "+" : "-";
  const FreqUnits offset = *tx > *rx ? *tx - *rx : *rx - *tx;
  const ToneColumns tones = tone_columns(*tx_tone, *rx_tone);
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

Result<std::string> generic_csv(const Sheet& sheet) {
  std::string text = csv_line({kHeaders.begin(), kHeaders.end()});
  for (int i = 0; i < kRows; ++i) {
    const auto row = generic_row(sheet, i);
    if (!row) return Failure{row.reason()};
    text += csv_line(*row);
  }
  return text;
}

bool is_generic_header(const CsvRecord& header) {
  return std::find(header.fields.begin(), header.fields.end(), "Frequency") != header.fields.end();
}

Result<std::vector<CsvChannel>> generic_channels(const CsvRecord& header,
                                                 const std::vector<CsvRecord>& rows,
                                                 ToneMode mode) {
  std::map<std::string, std::size_t> columns;
  for (std::size_t i = 0; i < header.fields.size(); ++i) columns.emplace(header.fields[i], i);
  for (std::string_view name : kRequired) {
    if (!columns.contains(std::string(name))) {
      return Failure{"第" + std::to_string(header.line) + "行：缺少" + std::string(name) + "列"};
    }
  }
  std::vector<CsvChannel> channels;
  for (const CsvRecord& row : rows) {
    auto channel = GenericRow(row, columns, mode).channel();
    if (!channel) return Failure{channel.reason()};
    channels.push_back(std::move(channel).value());
  }
  return channels;
}

}  // namespace m27
