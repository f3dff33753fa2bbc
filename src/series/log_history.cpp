// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/log_history.h"

#include <optional>

#include "files/csv_records.h"
#include "service/radio_id.h"

namespace m27 {
namespace {

constexpr std::size_t kFields = 9;
constexpr std::size_t kNewIdField = 3;

std::optional<std::vector<std::string>> fields_of(std::string_view text) {
  auto records = csv_records(text);
  if (!records || records->size() != 1) return std::nullopt;
  return std::move(records.value()[0].fields);
}

std::optional<std::optional<std::uint32_t>> optional_id(const std::string& text) {
  if (text.empty()) return std::optional<std::uint32_t>{};
  const auto id = id_value(text);
  if (!id) return std::nullopt;
  return id;
}

// A record of the log as far as a job relies on it: the IDs, the result and the template. The
// other fields only have to be there, the step a known one.
std::optional<LogLine> parse_line(std::string_view text) {
  const auto fields = fields_of(text);
  if (!fields || fields->size() != kFields) return std::nullopt;
  const auto old_id = id_value((*fields)[2]);
  const auto new_id = optional_id((*fields)[3]);
  const auto result = result_named((*fields)[4]);
  const auto step = step_named((*fields)[5]);
  if (!old_id || !new_id || !result || !step) return std::nullopt;
  const bool needs_new_id = *result == RadioResult::Reserved || *result == RadioResult::Ok;
  if (needs_new_id && !*new_id) return std::nullopt;
  LogLine line;
  line.old_id = *old_id;
  line.new_id = *new_id;
  line.result = *result;
  line.template_sha256 = (*fields)[7];
  return line;
}

// The new_id column of a line that is no record, found by commas alone.
std::optional<std::uint32_t> id_in_new_id_column(std::string_view text) {
  for (std::size_t i = 0; i < kNewIdField; ++i) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    text.remove_prefix(comma + 1);
  }
  return id_value(text.substr(0, text.find(',')));
}

Words warning(std::size_t line_number, bool torn) {
  const Words warning = torn ? M27_WORDS("series", "记录文件第%1行不完整，已跳过")
                             : M27_WORDS("series", "记录文件第%1行无法识别，已跳过");
  return warning.arg(line_number);
}

}  // namespace

void LogHistory::note(const LogLine& line) {
  answered_.insert(line.old_id);
  if (!line.new_id) return;
  used_.insert(*line.new_id);
  if (line.result == RadioResult::Ok) done_.insert({*line.new_id, line.template_sha256});
}

std::set<std::uint32_t> LogHistory::barred_ids() const {
  std::set<std::uint32_t> barred = used_;
  barred.insert(answered_.begin(), answered_.end());
  barred.insert(0);
  return barred;
}

std::uint32_t lowest_free_id(const LogHistory& history) {
  std::uint32_t id = 0;
  for (const std::uint32_t barred : history.barred_ids()) {  // ascending, 0 first
    if (barred != id) break;
    if (id == UINT32_MAX) return id;  // every ID is used: the job will say so
    ++id;
  }
  return id;
}

LogReading read_log(std::string_view bytes) {
  LogReading reading;
  std::size_t number = 0;
  while (!bytes.empty()) {
    ++number;
    const std::size_t end = bytes.find('\n');
    const bool torn = end == std::string_view::npos;
    std::string_view text = bytes.substr(0, end);
    bytes.remove_prefix(torn ? bytes.size() : end + 1);
    if (text.ends_with('\r')) text.remove_suffix(1);
    if (text.empty() || text == kLogHeader) continue;

    const auto line = torn ? std::nullopt : parse_line(text);
    if (line) {
      reading.history.note(*line);
      continue;
    }
    reading.warnings.push_back(warning(number, torn));
    if (const auto id = id_in_new_id_column(text)) reading.history.note_used(*id);
  }
  return reading;
}

}  // namespace m27
