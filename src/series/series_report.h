// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A series job's delivery report: which radio got which ID, each verified, as one HTML page that
// stands on its own (inline style, no script) and prints on A4. It is made from the lines this
// job wrote into the log, so it holds that job and no other, and its words come from each line's
// result and step, never from the text the station showed.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "channels/result.h"
#include "channels/sheet.h"
#include "channels/words.h"
#include "files/file_system.h"
#include "series/job_rules.h"
#include "series/log_line.h"
#include "series/series_order.h"

namespace m27 {

// A line as it went into the log, with the time it carries there.
struct JobLine {
  std::chrono::system_clock::time_point time;
  LogLine line;
};

// How a report says its words: in the language of its job, for the customer who reads it.
using ReportVoice = std::function<std::string(const Words&)>;

struct SeriesReport {
  std::string template_name;  // the channel file's name without its folder; empty: 未命名
  std::string template_sha256;
  Sheet template_sheet;
  std::uint32_t first_id = 0;
  std::uint32_t last_id = 0;
  bool keep_id = false;
  std::vector<std::string> stations;  // their ports, as the user named them
  std::chrono::system_clock::time_point started{};
  std::chrono::system_clock::time_point ended{};
  bool interrupted = false;    // stopped before its end: by a signal, or 停止 in the window
  std::vector<JobLine> lines;  // in the order they were written, reserved ones included
  ReportVoice say = source_text;
};

// The order's part: the template as it is written, the IDs and the stations. `template_name`:
// the channel file's name without its folder, empty for a sheet never saved.
SeriesReport order_report(const SeriesOrder& order, const std::string& template_name);

struct ReportTotals {
  SeriesTotals radios;
  int already_done = 0;
  friend bool operator==(const ReportTotals&, const ReportTotals&) = default;
};

// Each radio counted by its last line; a reserved line is no radio's last.
ReportTotals report_totals(const std::vector<JobLine>& lines);

// 完成, 失败, 未确认, 中断, 已写过; empty for a reserved line.
Words result_word(RadioResult result);
// 写频, 回读, 写ID, 回读ID; empty where the radio stopped at no step.
Words step_word(SeriesStep step);

// The page, UTF-8.
std::string report_html(const SeriesReport& report);

// Writes the page to `path` whole or not at all: the reason when it could not.
std::optional<Failure> write_report(const std::filesystem::path& path, const SeriesReport& report,
                                    FileSystem& fs = local_file_system());

}  // namespace m27
