// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The generic layout of a CSV file, the one hobby programming tools exchange:
// Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,
// RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment, read by column name.
//
// For this radio: Frequency is the receive frequency in MHz. Duplex "" transmits on it, "+" and
// "-" on it plus or minus Offset, "split" on Offset. The tone columns mean what
// csv_generic_tones.h says. Mode "FM" is 宽带, "NFM" 窄带. Only Frequency must be there; a
// missing column reads as the tools' default (Duplex "", Offset 0, Tone "", rToneFreq and
// cToneFreq 88.5, DtcsCode 023, DtcsPolarity NN, RxDtcsCode the row's DtcsCode, CrossMode
// Tone->Tone, Mode FM), and columns of other names are ignored. Location does not count: rows
// fill channels in file order.

#include <functional>
#include <map>
#include <string>

#include "channels/result.h"
#include "channels/sheet.h"
#include "files/csv_records.h"
#include "files/csv_values.h"

namespace m27 {

// The header and the 25 rows, CR LF after each, each row in the simplest form that gives its
// channel back exactly. A channel the layout cannot say (a frequency that is no number, a tone
// not in the mode's table) fails naming it.
Result<std::string, Words> generic_csv(const Sheet& sheet);

// Whether a header record is the generic layout's (it names a Frequency column).
bool is_generic_header(const CsvRecord& header);

// The rows of a file in the generic layout, read by the names of its header.
class GenericLayout {
 public:
  explicit GenericLayout(const CsvRecord& header);

  // The channel of a row, frequencies in the grid's "000.00000" form, or the first problem,
  // placed at the row's line and the column it comes from.
  Checked<CsvChannel> channel(const CsvRecord& row, ToneMode mode) const;

 private:
  std::map<std::string, std::size_t, std::less<>> columns_;  // name to position from 0
};

}  // namespace m27
