// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/log_line.h"

#include <time.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "files/csv_records.h"

namespace m27 {
namespace {

template <typename Enum>
struct Named {
  Enum value;
  std::string_view name;
};

constexpr auto kResults = std::to_array<Named<RadioResult>>({
    {RadioResult::Reserved, "reserved"},
    {RadioResult::Ok, "ok"},
    {RadioResult::Failed, "failed"},
    {RadioResult::Unconfirmed, "unconfirmed"},
    {RadioResult::Interrupted, "interrupted"},
    {RadioResult::AlreadyDone, "already-done"},
});

constexpr auto kSteps = std::to_array<Named<SeriesStep>>({
    {SeriesStep::None, ""},
    {SeriesStep::Write, "write"},
    {SeriesStep::Verify, "verify"},
    {SeriesStep::Id, "id"},
    {SeriesStep::IdVerify, "id-verify"},
});

template <typename Enum, std::size_t N>
std::string_view name_of(const std::array<Named<Enum>, N>& names, Enum value) {
  for (const auto& named : names) {
    if (named.value == value) return named.name;
  }
  return {};
}

template <typename Enum, std::size_t N>
std::optional<Enum> value_named(const std::array<Named<Enum>, N>& names, std::string_view name) {
  for (const auto& named : names) {
    if (named.name == name) return named.value;
  }
  return std::nullopt;
}

std::string on_one_line(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text;
}

}  // namespace

std::string_view result_name(RadioResult result) { return name_of(kResults, result); }

std::optional<RadioResult> result_named(std::string_view name) {
  return value_named(kResults, name);
}

std::string_view step_name(SeriesStep step) { return name_of(kSteps, step); }

std::optional<SeriesStep> step_named(std::string_view name) { return value_named(kSteps, name); }

std::string iso_local_time(std::chrono::system_clock::time_point t) {
  const time_t seconds = std::chrono::system_clock::to_time_t(t);
  struct tm parts {};
  localtime_r(&seconds, &parts);
  const long offset_minutes = parts.tm_gmtoff / 60;
  const long offset = std::labs(offset_minutes);
  char text[128];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld",
                parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min,
                parts.tm_sec, offset_minutes < 0 ? '-' : '+', offset / 60, offset % 60);
  return text;
}

// Whole numbers only: a locale set by the program cannot turn the point into a comma.
std::string tenths_of_seconds(std::chrono::milliseconds elapsed) {
  const long long tenths = (std::max<long long>(elapsed.count(), 0) + 50) / 100;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string log_record(const LogLine& line, std::string_view time) {
  const std::vector<std::string> fields = {
      std::string(time),
      on_one_line(line.port),
      std::to_string(line.old_id),
      line.new_id ? std::to_string(*line.new_id) : "",
      std::string(result_name(line.result)),
      std::string(step_name(line.step)),
      tenths_of_seconds(line.elapsed),
      line.template_sha256,
      on_one_line(line.detail),
  };
  return csv_line(fields);
}

}  // namespace m27
