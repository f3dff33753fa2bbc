// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/csv_generic_tones.h"

#include <algorithm>
#include <array>
#include <optional>

#include "channels/decimal.h"
#include "channels/sheet.h"
#include "files/csv_problem.h"
#include "files/csv_values.h"

namespace m27 {
namespace {

constexpr int kToneDecimals = 1;  // "100.0"

enum class ToneKind { None, Ctcss, Dcs };

// Where one direction's tone comes from: its kind, the column holding it and which letter of
// DtcsPolarity is its polarity.
struct ToneSource {
  ToneKind kind = ToneKind::None;
  std::string GenericToneColumns::*value = nullptr;
  const char* column = "";
  std::size_t polarity = 0;
};

using Columns = GenericToneColumns;
constexpr ToneSource kNoTone{};
constexpr ToneSource kTxCtcss{ToneKind::Ctcss, &Columns::r_tone, "rToneFreq", 0};
constexpr ToneSource kRxCtcss{ToneKind::Ctcss, &Columns::c_tone, "cToneFreq", 1};
constexpr ToneSource kRxReverseCtcss{ToneKind::Ctcss, &Columns::r_tone, "rToneFreq", 1};
constexpr ToneSource kTxDcs{ToneKind::Dcs, &Columns::dtcs, "DtcsCode", 0};
constexpr ToneSource kRxSameDcs{ToneKind::Dcs, &Columns::dtcs, "DtcsCode", 1};
constexpr ToneSource kRxDcs{ToneKind::Dcs, &Columns::rx_dtcs, "RxDtcsCode", 1};

struct ToneModeSources {
  std::string_view name;
  ToneSource tx;
  ToneSource rx;
};

constexpr std::array<ToneModeSources, 6> kToneModes = {{
    {"", kNoTone, kNoTone},
    {"Tone", kTxCtcss, kNoTone},
    {"TSQL", kRxCtcss, kRxCtcss},
    {"DTCS", kTxDcs, kRxSameDcs},
    {"TSQL-R", kNoTone, kRxReverseCtcss},
    {"DTCS-R", kNoTone, kRxSameDcs},
}};

ToneKind kind_of(std::string_view entry) {
  if (entry.empty() || entry == kToneOff) return ToneKind::None;
  return entry.front() == 'D' || entry.front() == 'I' ? ToneKind::Dcs : ToneKind::Ctcss;
}

CsvProblem in_column(std::string_view column, CsvProblem problem) {
  problem.header = column;
  return problem;
}

CsvProblem wrong(std::string_view column, Words text) {
  return in_column(column, invalid_value(std::move(text)));
}

bool code_digits(std::string_view text) {
  return !text.empty() && text.size() <= 3 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The transmit and receive sources of a Cross row's CrossMode.
Checked<std::pair<ToneSource, ToneSource>> cross_sources(std::string_view cross) {
  const auto source = [](std::string_view kind, ToneSource ctcss,
                         ToneSource dcs) -> std::optional<ToneSource> {
    if (kind.empty()) return kNoTone;
    if (kind == "Tone") return ctcss;
    if (kind == "DTCS") return dcs;
    return std::nullopt;
  };
  const std::size_t arrow = cross.find("->");
  if (arrow != std::string_view::npos) {
    const auto tx = source(cross.substr(0, arrow), kTxCtcss, kTxDcs);
    const auto rx = source(cross.substr(arrow + 2), kRxCtcss, kRxDcs);
    if (tx && rx) return std::pair{*tx, *rx};
  }
  return wrong("CrossMode",
               M27_WORDS("files", "“%1”不是X->Y（X、Y为Tone、DTCS或空）").arg(std::string(cross)));
}

Checked<std::pair<ToneSource, ToneSource>> tone_sources(const Columns& columns) {
  if (columns.tone == "Cross") return cross_sources(columns.cross);
  for (const ToneModeSources& mode : kToneModes) {
    if (columns.tone == mode.name) return std::pair{mode.tx, mode.rx};
  }
  return wrong(
      "Tone",
      M27_WORDS("files", "“%1”不是空、Tone、TSQL、DTCS、Cross、TSQL-R或DTCS-R").arg(columns.tone));
}

Checked<std::string> dcs_tone(const Columns& columns, const ToneSource& source, ToneMode mode) {
  const std::string& text = columns.*source.value;
  if (!code_digits(text))
    return wrong(source.column, M27_WORDS("files", "“%1”不是DCS码").arg(text));
  const std::string code = std::string(3 - text.size(), '0') + text;
  if (const auto normal = csv_tone("D" + code, mode); !normal) {
    return in_column(source.column, normal.problem());
  }
  const std::string& polarity = columns.polarity;
  const bool valid =
      polarity.size() == 2 &&
      std::all_of(polarity.begin(), polarity.end(), [](char c) { return c == 'N' || c == 'R'; });
  if (!valid)
    return wrong("DtcsPolarity", M27_WORDS("files", "“%1”不是NN、NR、RN或RR").arg(polarity));
  auto entry = csv_tone((polarity[source.polarity] == 'R' ? "I" : "D") + code, mode);
  if (!entry) return in_column("DtcsPolarity", entry.problem());
  return entry;
}

Checked<std::string> tone(const Columns& columns, const ToneSource& source, ToneMode mode) {
  if (source.kind == ToneKind::None) return std::string(kToneOff);
  if (source.kind == ToneKind::Dcs) return dcs_tone(columns, source, mode);
  const std::string& text = columns.*source.value;
  auto entry = csv_tone(text, mode);
  if (!entry) return in_column(source.column, entry.problem());
  if (kind_of(*entry) != ToneKind::Ctcss)
    return wrong(source.column, M27_WORDS("files", "“%1”不是CTCSS亚音").arg(text));
  return entry;
}

std::string ctcss_text(std::string_view entry) {
  return fixed_decimal(*parse_decimal(entry, kToneDecimals), kToneDecimals, 1);
}

// Fills the columns of one direction's tone; gives the name CrossMode calls its kind.
std::string_view put_tone(Columns& columns, std::string_view entry, bool transmit) {
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

}  // namespace

Checked<ChannelTones> generic_tones(const GenericToneColumns& columns, ToneMode mode) {
  const auto sources = tone_sources(columns);
  if (!sources) return sources.problem();
  auto tx = tone(columns, (*sources).first, mode);
  if (!tx) return tx.problem();
  auto rx = tone(columns, (*sources).second, mode);
  if (!rx) return rx.problem();
  return ChannelTones{std::move(tx).take(), std::move(rx).take()};
}

GenericToneColumns generic_tone_columns(const ChannelTones& tones) {
  Columns columns;
  const std::string_view tx_kind = put_tone(columns, tones.tx, true);
  const std::string_view rx_kind = put_tone(columns, tones.rx, false);
  if (tx_kind.empty() && rx_kind.empty()) {
    columns.tone = "";
  } else if (tx_kind == "Tone" && rx_kind.empty()) {
    columns.tone = "Tone";
  } else if (tx_kind == "Tone" && tones.tx == tones.rx) {
    columns.tone = "TSQL";
  } else if (tx_kind == "DTCS" && rx_kind == "DTCS" && columns.dtcs == columns.rx_dtcs) {
    columns.tone = "DTCS";
  } else {
    columns.tone = "Cross";
    columns.cross = std::string(tx_kind) + "->" + std::string(rx_kind);
  }
  return columns;
}

}  // namespace m27
