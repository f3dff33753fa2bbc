// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of a spreadsheet's CSV file: its bytes as UTF-8 text, its records with their line
// numbers, and a record written back out.

#include <string>
#include <string_view>
#include <vector>

#include "channels/result.h"
#include "channels/words.h"

namespace m27 {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

struct CsvRecord {
  int line = 0;  // the line the record starts on, from 1
  std::vector<std::string> fields;
};

// The text of a CSV file as UTF-8: after a byte-order mark UTF-8; without one UTF-8 when the
// bytes are valid UTF-8, else GBK (what a spreadsheet on a Chinese desktop saves).
Result<std::string, Words> csv_text(std::string_view bytes);

// The records of a CSV text: fields separated by commas, records by CR LF or LF; a field in
// double quotes may hold commas, line breaks and doubled quotes. A line whose first character
// is "#" is a comment, and a record whose fields are all empty (a blank line, a row of commas)
// is left out. An unclosed quote, or text after a closing quote, fails naming its line and
// column.
Result<std::vector<CsvRecord>, Words> csv_records(std::string_view text);

// One record ended by CR LF; a field holding a comma, a quote or a line break is quoted.
std::string csv_line(const std::vector<std::string>& fields);

}  // namespace m27
