// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/qt/series_runner.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "series/qt/job_voice.h"
#include "series/qt/series_order_from.h"

namespace m27 {
namespace {

// The template is named by the SHA-256 of its file. A job is over at once when no port opens,
// says why for each, and lets go of its log before it says it is over, while its runner is still
// there: the next job may start on the same log.
TEST(SeriesRunner, LetsGoOfTheLogAsSoonAsTheJobIsOver) {
  std::string folder_name = (std::filesystem::temp_directory_path() / "m27-run-XXXXXX").string();
  const std::filesystem::path folder = mkdtemp(folder_name.data());
  const auto log = folder / "series.csv";

  const PreparedWrite prepared = prepare_write(startup_sheet());
  SeriesOrder order = series_order_from(prepared.sheet, *prepared.plan(), "abc");
  EXPECT_EQ(order.template_write.fingerprint(),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  order.first_id = 1;
  order.last_id = 9;
  order.ports = {"com1"};
  order.log_path = log;
  order.create_log = true;
  auto ready = get_ready(std::move(order));
  ASSERT_TRUE(ready.ok()) << source_text(ready.why());
  const QString missing = QString::fromStdString((folder / "ttyNone").string());
  SeriesRunner runner(std::move(ready).value(), {{"com1", missing}});
  QString reason;
  bool log_free_when_finished = false;
  QObject::connect(&runner, &SeriesRunner::station_stopped,
                   [&](int, const QString& why) { reason = why; });
  QObject::connect(&runner, &SeriesRunner::finished,
                   [&] { log_free_when_finished = JobLog::open(log, false).ok(); });
  runner.start();
  EXPECT_TRUE(runner.over());
  EXPECT_TRUE(log_free_when_finished);
  EXPECT_EQ(reason, "无法打开串口：不存在");
  EXPECT_EQ(source_text(runner.job().failure().value()), "没有一个串口能打开");
  std::filesystem::remove_all(folder);
}

// A job's log and report speak the language in use when it started: Chinese as written, English
// with its plurals, whatever the window speaks meanwhile.
TEST(JobVoice, SaysTheLogsDetailAndTheReportInTheJobsLanguage) {
  const Words detail =
      M27_WORDS("series", "失败：%1，请取下对讲机").arg(M27_WORDS("series", "写频无应答"));
  const struct {
    Language language;
    std::string detail, totals, report_start;
  } kCases[] = {
      {Language::AsWritten, "失败：写频无应答，请取下对讲机", "完成 1 台，失败 2 台",
       "<html lang=\"zh-CN\">"},
      {Language::Chinese, "失败：写频无应答，请取下对讲机", "完成 1 台，失败 2 台",
       "<html lang=\"zh-CN\">"},
      {Language::English, "Failed: no answer to the write. Remove the radio",
       "1 radio done, 2 failed", "<html lang=\"en\">"},
  };
  for (const auto& c : kCases) {
    const auto voice = std::make_shared<JobVoice>(c.language);
    EXPECT_EQ(voice->say(detail), c.detail);
    EXPECT_EQ(voice->say(counts_text({.ok = 1, .failed = 2})), c.totals);
    SeriesReport report;
    report.say = [voice](const Words& words) { return voice->say(words); };
    EXPECT_NE(report_html(report).find(c.report_start), std::string::npos);
  }
}

}  // namespace
}  // namespace m27
