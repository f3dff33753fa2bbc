// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/series_report.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <filesystem>
#include <regex>

#include "files/file_io.h"

namespace m27 {
namespace {

using namespace std::chrono_literals;

const auto kStart = std::chrono::system_clock::from_time_t(1796636400);  // 2026-12-07 09:40 UTC

JobLine at(std::chrono::seconds after_start, LogLine line) { return {kStart + after_start, line}; }

// The rows of the table after `heading`, each as its cells' texts joined by "|".
std::vector<std::string> table_rows(const std::string& html, const std::string& heading) {
  const auto from = html.find("<tbody>", html.find(heading));
  const auto to = html.find("</tbody>", from);
  const std::string body = html.substr(from, to - from);
  std::vector<std::string> rows;
  const std::regex row("<tr>(.*?)</tr>"), cell("<td[^>]*>(.*?)</td>");
  for (std::sregex_iterator r(body.begin(), body.end(), row), end; r != end; ++r) {
    std::string cells;
    const std::string text = (*r)[1];
    for (std::sregex_iterator c(text.begin(), text.end(), cell); c != end; ++c) {
      cells += (cells.empty() ? "" : "|") + (*c)[1].str();
    }
    rows.push_back(cells);
  }
  return rows;
}

SeriesReport two_station_job() {
  setenv("TZ", "UTC0", 1);
  tzset();
  SeriesReport report;
  report.template_name = "shop.m27";
  report.template_sha256 = "ab12";
  report.template_sheet = startup_sheet();
  report.template_sheet.channel_total = "3";
  report.first_id = 100;
  report.last_id = 199;
  report.stations = {"com1", "/dev/ttyUSB1"};
  report.started = kStart;
  report.ended = kStart + 95s;
  const LogLine reserved{"com1", 7, 100, RadioResult::Reserved, SeriesStep::None, 1s, "ab12", ""};
  report.lines = {
      at(3s, reserved),
      at(4s, {"/dev/ttyUSB1", 8, 101, RadioResult::Reserved, SeriesStep::None, 2s, "ab12", ""}),
      at(5s,
         {"com1", 7, 100, RadioResult::Ok, SeriesStep::None, 4250ms, "ab12", "完成，请换下一台"}),
      at(6s, {"/dev/ttyUSB1", 8, 101, RadioResult::Failed, SeriesStep::IdVerify, 5s, "ab12",
              "失败：回读ID出错"}),
      at(61s,
         {"com1", 9, {}, RadioResult::Failed, SeriesStep::Write, 3s, "ab12", "失败：写频出错"}),
      at(70s, {"com1", 5, {}, RadioResult::AlreadyDone, SeriesStep::None, 1s, "ab12", "这台"}),
      at(90s, {"/dev/ttyUSB1", 3, 102, RadioResult::Interrupted, SeriesStep::Id, 2s, "ab12", ""}),
  };
  return report;
}

// A row per radio in the order they finished, worded from result and step, never from detail;
// reserved lines are no radios; the order's channels stop at the channel total.
TEST(SeriesReport, HoldsTheJobsRadiosTheirResultsAndTotals) {
  const SeriesReport report = two_station_job();
  const std::string html = report_html(report);
  EXPECT_EQ(table_rows(html, "对讲机"), (std::vector<std::string>{
                                            "09:40:05|com1|7|100|完成||4.3",
                                            "09:40:06|/dev/ttyUSB1|8|101|失败|回读ID|5.0",
                                            "09:41:01|com1|9|—|失败|写频|3.0",
                                            "09:41:10|com1|5|—|已写过||1.0",
                                            "09:41:30|/dev/ttyUSB1|3|102|中断|写ID|2.0",
                                        }));
  EXPECT_EQ(report_totals(report.lines), (ReportTotals{{1, 2, 1}, 1}));
  EXPECT_EQ(table_rows(html, "订单").size(), 3u);
  EXPECT_EQ(table_rows(html, "订单")[2], "3|451.12500|OFF|451.12500|OFF|窄带");
  for (const char* text :
       {"<span>完成 1 台</span><span>失败 2 台</span><span>中断 1 "
        "台</span><span>已写过 1 台</span>",
        "<b>开始</b>2026-12-07 09:40:00<", "<b>结束</b>2026-12-07 09:41:35<",
        "<b>串口</b>com1, /dev/ttyUSB1", "<b>模板</b>shop.m27", "<b>ID范围</b>100..199",
        "<b>信道总数</b>3", "@page { size: A4", "<title>批量写频报告 shop.m27</title>"}) {
    EXPECT_NE(html.find(text), std::string::npos) << text;
  }
  for (const char* text : {"请换下一台", "回读ID出错", "已中断", "<script"}) {
    EXPECT_EQ(html.find(text), std::string::npos) << text;
  }
}

TEST(SeriesReport, EscapesEveryTextAndMarksAStoppedJob) {
  SeriesReport report = two_station_job();
  report.template_name = "<b>a&b\"'.m27";
  report.stations = {"<i>"};
  report.lines[2].line.port = "</td>";
  report.interrupted = true;
  const std::string html = report_html(report);
  EXPECT_NE(html.find("<b>模板</b>&lt;b&gt;a&amp;b&quot;&#39;.m27</span>"), std::string::npos);
  EXPECT_NE(html.find("<b>串口</b>&lt;i&gt;"), std::string::npos);
  EXPECT_EQ(table_rows(html, "对讲机")[0], "09:40:05|&lt;/td&gt;|7|100|完成||4.3");
  EXPECT_NE(html.find("<h1>批量写频报告<span class=\"mark\">已中断</span></h1>"),
            std::string::npos);
}

// The report of an order names its template (未命名 for a sheet never saved), the template's
// fingerprint and the sheet the job writes; it has no radios yet.
TEST(SeriesReport, IsMadeFromTheOrdersTemplate) {
  Sheet sheet = startup_sheet();
  sheet.rows[1].rx_frequency = "462.56250";
  const PreparedWrite prepared = prepare_write(sheet);
  SeriesOrder order{SeriesTemplate(prepared.sheet, *prepared.plan(), "ab12")};
  order.first_id = 5;
  order.last_id = 9;
  order.ports = {"com1", "com2"};
  const SeriesReport report = order_report(order, "");
  const std::string html = report_html(report);
  EXPECT_NE(html.find("<b>模板</b>未命名"), std::string::npos);
  EXPECT_NE(html.find("<h2>对讲机</h2>\n<p>（无）</p>"), std::string::npos);
  EXPECT_EQ(html.find("已写过"), std::string::npos);
  EXPECT_EQ(report.template_sha256, "ab12");
  EXPECT_EQ(report.template_sheet, prepared.sheet);
  EXPECT_EQ(report.first_id, 5u);
  EXPECT_EQ(report.last_id, 9u);
  EXPECT_EQ(report.stations, order.ports);
}

TEST(SeriesReport, IsWrittenWholeOrTheReasonComesBack) {
  const SeriesReport report = two_station_job();
  const auto folder = std::filesystem::path(testing::TempDir()) / "series_report";
  std::filesystem::remove_all(folder);
  EXPECT_TRUE(write_report(folder / "r.html", report).has_value());
  std::filesystem::create_directories(folder);
  EXPECT_FALSE(write_report(folder / "r.html", report).has_value());
  EXPECT_EQ(*read_file(folder / "r.html", 1 << 20), report_html(report));
}

}  // namespace
}  // namespace m27
