// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The generic layout of a CSV file, the one hobby programming tools exchange:
// Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,
// RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment, read by column name.
//
// For this radio: Frequency is the receive frequency in MHz. Duplex "" transmits on it, "+" and
// "-" on it plus or minus Offset, "split" on Offset. Tone "" has no tones; "Tone" a transmit
// CTCSS rToneFreq; "TSQL" CTCSS cToneFreq both ways; "DTCS" transmit DCS DtcsCode and receive
// DCS RxDtcsCode, DtcsPolarity N (normal, "D023") or R (inverted, "I023") for each, transmit
// first; "Cross" as CrossMode "X->Y", transmit X and receive Y each "Tone" (transmit rToneFreq,
// receive cToneFreq), "DTCS" (transmit DtcsCode, receive RxDtcsCode) or "" (none). Mode "FM"
// is 宽带, "NFM" 窄带.

#include <string>
#include <vector>

#include "channels/result.h"
#include "channels/sheet.h"
#include "files/csv_records.h"
#include "files/csv_values.h"

namespace m27 {

// The header and the 25 rows, CR LF after each, each row in the simplest form that gives its
// channel back exactly. A channel the layout cannot say (a frequency that is no number, a tone
// not in the mode's table) fails naming it.
Result<std::string> generic_csv(const Sheet& sheet);

// Whether a header record is the generic layout's (it names a Frequency column).
bool is_generic_header(const CsvRecord& header);

// The channels of the rows after `header`, in order; frequencies in the grid's "000.00000"
// form. A missing column or a value that fails its check fails naming its line and column.
Result<std::vector<CsvChannel>> generic_channels(const CsvRecord& header,
                                                 const std::vector<CsvRecord>& rows, ToneMode mode);

}  // namespace m27
