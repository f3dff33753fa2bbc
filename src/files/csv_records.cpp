// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/csv_records.h"

#include <algorithm>

#include "files/gbk.h"

namespace m27 {
namespace {

// The length of the UTF-8 sequence `text` starts with, or 0 when it is none.
std::size_t utf8_sequence(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

bool valid_utf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = utf8_sequence(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

Words refusal(int line, std::size_t column, Words problem) {
  return M27_WORDS("files", "第%1行第%2列：%3").arg(line).arg(column).arg(std::move(problem));
}

bool blank(const CsvRecord& record) {
  return std::all_of(record.fields.begin(), record.fields.end(),
                     [](const std::string& field) { return field.empty(); });
}

}  // namespace

Result<std::string, Words> csv_text(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) {
    bytes.remove_prefix(kUtf8Bom.size());
    if (!valid_utf8(bytes)) return M27_WORDS("files", "文件以UTF-8标记开头，却不是有效的UTF-8文字");
    return std::string(bytes);
  }
  if (valid_utf8(bytes)) return std::string(bytes);
  auto text = gbk_to_utf8(bytes);
  if (!text) return M27_WORDS("files", "文件既不是UTF-8也不是GBK文字");
  return std::move(*text);
}

Result<std::vector<CsvRecord>, Words> csv_records(std::string_view text) {
  std::vector<CsvRecord> records;
  int line = 1;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '#') {
      i = std::min(text.find('\n', i), text.size()) + 1;
      ++line;
      continue;
    }
    CsvRecord record{line, {}};
    bool record_ended = false;
    while (!record_ended) {
      std::string field;
      const std::size_t column = record.fields.size() + 1;
      if (i < text.size() && text[i] == '"') {
        const int opened_on = line;
        ++i;
        while (true) {
          if (i == text.size())
            return refusal(opened_on, column, M27_WORDS("files", "引号没有结束"));
          if (text[i] == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
              field += '"';
              i += 2;
              continue;
            }
            ++i;
            break;
          }
          if (text[i] == '\n') ++line;
          field += text[i++];
        }
        const bool at_end = i == text.size() || text[i] == ',' || text[i] == '\n' ||
                            text.substr(i).starts_with("\r\n");
        if (!at_end) return refusal(line, column, M27_WORDS("files", "引号后还有文字"));
      } else {
        while (i < text.size() && text[i] != ',' && text[i] != '\n') field += text[i++];
        if (field.ends_with('\r')) field.pop_back();
      }
      record.fields.push_back(std::move(field));
      if (i < text.size() && text[i] == '\r') ++i;
      if (i == text.size() || text[i] == '\n') {
        record_ended = true;
        if (i < text.size()) ++line;
      }
      ++i;
    }
    if (!blank(record)) records.push_back(std::move(record));
  }
  return records;
}

std::string csv_line(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    const std::string& field = fields[i];
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
      line += field;
      continue;
    }
    line += '"';
    for (char c : field) {
      if (c == '"') line += '"';
      line += c;
    }
    line += '"';
  }
  return line + "\r\n";
}

}  // namespace m27
