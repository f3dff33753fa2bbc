// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/qt/series_runner.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

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
  ASSERT_TRUE(ready.ok()) << ready.reason();
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
  EXPECT_EQ(runner.job().failure(), "没有一个串口能打开");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace m27
