// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/series_report.h"

#include <string_view>

#include "channels/channel_page.h"
#include "files/file_io.h"

namespace m27 {
namespace {

// Printed on A4 by any browser; the fonts named first carry the Chinese texts on Linux.
constexpr std::string_view kStyle = R"(@page { size: A4; margin: 15mm; }
body { font-family: "Noto Sans CJK SC", "WenQuanYi Micro Hei", sans-serif; font-size: 10pt;
  color: #000; margin: 0 auto; max-width: 180mm; }
@media screen { body { margin: 10mm auto; } }
h1 { font-size: 18pt; margin: 0 0 5mm; }
h2 { font-size: 12pt; margin: 6mm 0 2mm; }
.mark { color: #b00000; border: 1.5pt solid #b00000; padding: 0 2mm; margin-left: 4mm;
  font-size: 14pt; vertical-align: 2pt; }
.facts { margin: 0 0 2mm; }
.facts span { display: inline-block; margin: 0 7mm 1.5mm 0; }
.facts b { font-weight: normal; color: #646464; margin-right: 2mm; }
.fingerprint { font-family: monospace; font-size: 8.5pt; word-break: break-all; }
table { border-collapse: collapse; width: 100%; }
th { background: #e6e6e6; text-align: left; }
th, td { padding: 1mm 2mm; border-bottom: 0.5pt solid #aaa; }
tr { page-break-inside: avoid; }
th.number, td.number { text-align: right; }
.failed { color: #b00000; }
.interrupted { color: #a05a00; }
.totals span { display: inline-block; font-size: 12pt; margin-right: 8mm; }
)";

std::string escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// "2026-12-07 17:40:12" and "17:40:12", in the machine's time zone as the log writes it.
std::string date_and_time(std::chrono::system_clock::time_point t) {
  std::string text = iso_local_time(t).substr(0, 19);
  text[10] = ' ';
  return text;
}

std::string time_of_day(std::chrono::system_clock::time_point t) {
  return iso_local_time(t).substr(11, 8);
}

std::string facts_html(const ReportVoice& say, const PageFacts& facts) {
  std::string html = "<p class=\"facts\">";
  for (const auto& [label, value] : facts) {
    html += "<span><b>" + escaped(say(label)) + "</b>" + escaped(value) + "</span>";
  }
  return html + "</p>\n";
}

std::string heading(const ReportVoice& say, const Words& words) {
  return "<h2>" + escaped(say(words)) + "</h2>\n";
}

std::string row_html(const std::string& cell_tag, const PageRow& cells) {
  std::string html = "<tr>";
  for (const std::string& cell : cells) {
    html += "<" + cell_tag + ">" + escaped(cell) + "</" + cell_tag + ">";
  }
  return html + "</tr>\n";
}

std::string template_name(const SeriesReport& report) {
  if (!report.template_name.empty()) return report.template_name;
  return report.say(M27_WORDS("series", "未命名"));
}

PageRow header_row(const ReportVoice& say) {
  PageRow row;
  const PageHeader header = channel_header();
  for (std::size_t i = 0; i < kPageColumns; ++i) row[i] = say(header[i]);
  return row;
}

std::string order_html(const SeriesReport& report) {
  const ReportVoice& say = report.say;
  PageFacts facts = {
      {M27_WORDS("series", "模板"), template_name(report)},
      {M27_WORDS("series", "ID范围"),
       std::to_string(report.first_id) + ".." + std::to_string(report.last_id)},
      {M27_WORDS("series", "保留原ID"),
       say(report.keep_id ? M27_WORDS("series", "是") : M27_WORDS("series", "否"))},
  };
  const PageFacts options = sheet_facts(report.template_sheet);
  facts.insert(facts.end(), options.begin(), options.end());
  std::string html = heading(say, M27_WORDS("series", "订单")) + facts_html(say, facts);
  html += "<p class=\"facts\"><span><b>" + escaped(say(M27_WORDS("series", "模板指纹"))) +
          "</b><span class=\"fingerprint\">" + escaped(report.template_sha256) +
          "</span></span></p>\n";
  html += "<table>\n<thead>" + row_html("th", header_row(say)) + "</thead>\n<tbody>\n";
  for (const PageRow& row : channels_in_use(report.template_sheet)) html += row_html("td", row);
  return html + "</tbody>\n</table>\n";
}

std::string job_html(const SeriesReport& report) {
  std::string stations;
  for (const std::string& port : report.stations) {
    stations += (stations.empty() ? "" : ", ") + port;
  }
  const ReportVoice& say = report.say;
  return heading(say, M27_WORDS("series", "任务")) +
         facts_html(say, {{M27_WORDS("series", "开始"), date_and_time(report.started)},
                          {M27_WORDS("series", "结束"), date_and_time(report.ended)},
                          {M27_WORDS("series", "串口"), stations}});
}

std::string_view result_class(RadioResult result) {
  switch (result) {
    case RadioResult::Failed:
    case RadioResult::Unconfirmed:
      return "failed";
    case RadioResult::Interrupted:
      return "interrupted";
    default:
      return "ok";
  }
}

std::string radio_row(const JobLine& job_line, const ReportVoice& say) {
  const LogLine& line = job_line.line;
  auto cell = [](const std::string& text, std::string_view css = "") {
    const std::string attribute = css.empty() ? "" : " class=\"" + std::string(css) + "\"";
    return "<td" + attribute + ">" + escaped(text) + "</td>";
  };
  return "<tr>" + cell(time_of_day(job_line.time)) + cell(line.port) +
         cell(std::to_string(line.old_id), "number") +
         cell(line.new_id ? std::to_string(*line.new_id) : "—", "number") +
         cell(say(result_word(line.result)), result_class(line.result)) +
         cell(say(step_word(line.step))) + cell(tenths_of_seconds(line.elapsed), "number") +
         "</tr>\n";
}

std::string radios_html(const std::vector<JobLine>& lines, const ReportVoice& say) {
  std::string rows;
  for (const JobLine& line : lines) {
    if (line.line.result != RadioResult::Reserved) rows += radio_row(line, say);
  }
  const std::string title = heading(say, M27_WORDS("series", "对讲机"));
  if (rows.empty()) return title + "<p>" + escaped(say(M27_WORDS("series", "（无）"))) + "</p>\n";
  const auto th = [&say](const Words& words, std::string_view css = "") {
    const std::string attribute = css.empty() ? "" : " class=\"" + std::string(css) + "\"";
    return "<th" + attribute + ">" + escaped(say(words)) + "</th>";
  };
  return title + "<table>\n<thead><tr>" + th(M27_WORDS("series", "时间")) +
         th(M27_WORDS("series", "串口")) + th(M27_WORDS("series", "原ID"), "number") +
         th(M27_WORDS("series", "新ID"), "number") + th(M27_WORDS("series", "结果")) +
         th(M27_WORDS("series", "步骤")) + th(M27_WORDS("series", "用时(s)"), "number") +
         "</tr></thead>\n<tbody>\n" + rows + "</tbody>\n</table>\n";
}

std::string totals_html(const ReportTotals& totals, const ReportVoice& say) {
  auto count = [&say](const Words& words, int n) {
    return "<span>" + escaped(say(words.counting(n))) + "</span>";
  };
  const SeriesTotals& radios = totals.radios;
  std::string html = heading(say, M27_WORDS("series", "合计")) + "<p class=\"totals\">" +
                     count(M27_COUNTED_WORDS("series", "完成 %n 台"), radios.ok) +
                     count(M27_COUNTED_WORDS("series", "失败 %n 台"), radios.failed) +
                     count(M27_COUNTED_WORDS("series", "中断 %n 台"), radios.interrupted);
  if (totals.already_done > 0) {
    html += count(M27_COUNTED_WORDS("series", "已写过 %n 台"), totals.already_done);
  }
  return html + "</p>\n";
}

}  // namespace

SeriesReport order_report(const SeriesOrder& order, const std::string& template_name) {
  SeriesReport report;
  report.template_name = template_name;
  report.template_sha256 = order.template_write.fingerprint();
  report.template_sheet = order.template_write.sheet();
  report.first_id = order.first_id;
  report.last_id = order.last_id;
  report.keep_id = order.keep_id;
  report.stations = order.ports;
  return report;
}

ReportTotals report_totals(const std::vector<JobLine>& lines) {
  ReportTotals totals;
  for (const JobLine& line : lines) {
    if (line.line.result == RadioResult::AlreadyDone) ++totals.already_done;
    if (line.line.result != RadioResult::Reserved) totals.radios.count(line.line.result);
  }
  return totals;
}

Words result_word(RadioResult result) {
  switch (result) {
    case RadioResult::Ok:
      return M27_WORDS("series", "完成");
    case RadioResult::Failed:
      return M27_WORDS("series", "失败");
    case RadioResult::Unconfirmed:
      return M27_WORDS("series", "未确认");
    case RadioResult::Interrupted:
      return M27_WORDS("series", "中断");
    case RadioResult::AlreadyDone:
      return M27_WORDS("series", "已写过");
    default:
      return Words{{}, {}};
  }
}

Words step_word(SeriesStep step) {
  switch (step) {
    case SeriesStep::Write:
      return M27_WORDS("series", "写频");
    case SeriesStep::Verify:
      return M27_WORDS("series", "回读");
    case SeriesStep::Id:
      return M27_WORDS("series", "写ID");
    case SeriesStep::IdVerify:
      return M27_WORDS("series", "回读ID");
    default:
      return Words{{}, {}};
  }
}

std::string report_html(const SeriesReport& report) {
  const ReportVoice& say = report.say;
  const std::string title = escaped(say(M27_WORDS("series", "批量写频报告")));
  // The page's language as HTML names it, for the browser's fonts and hyphens.
  const std::string language = say(M27_WORDS("series", "zh-CN"));
  std::string html = "<!DOCTYPE html>\n<html lang=\"" + escaped(language) +
                     "\">\n<head>\n<meta charset=\"utf-8\">\n";
  html += "<title>" + title + " " + escaped(template_name(report)) + "</title>\n";
  html += "<style>\n" + std::string(kStyle) + "</style>\n</head>\n<body>\n";
  html += "<h1>" + title;
  if (report.interrupted) {
    html += "<span class=\"mark\">" + escaped(say(M27_WORDS("series", "已中断"))) + "</span>";
  }
  html += "</h1>\n" + order_html(report) + job_html(report) + radios_html(report.lines, say) +
          totals_html(report_totals(report.lines), say);
  return html + "</body>\n</html>\n";
}

std::optional<Failure> write_report(const std::filesystem::path& path, const SeriesReport& report,
                                    FileSystem& fs) {
  return replace_file(path, report_html(report), fs);
}

}  // namespace m27
