// SPDX-License-Identifier: GPL-3.0-or-later
// A series job driven through real links against the fake radio's line of radios, in virtual
// time: what joins a station to its link (each request as a sequence, each ending as the step's
// outcome) and the pace it gives (a probe is one request waiting 300 ms, one every 500 ms).
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <thread>

#include "fake-radio/radio_line.h"
#include "files/file_io.h"
#include "link/link.h"
#include "series/log_writer.h"
#include "series/series_job.h"
#include "series/station_link.h"

namespace m27 {
namespace {

using namespace std::chrono_literals;

struct Place {
  fake::RadioLine radios;
  Link link;
  StepListener listener;
  int requests = 0;
};

class LinkedBench {
 public:
  LinkedBench(int stations, std::optional<int> count, fake::Options options)
      : plan_(prepare_write(startup_sheet()).plan().value()), job_(make_job(stations, count)) {
    for (int i = 0; i < stations; ++i) {
      places_.push_back(std::make_unique<Place>(
          Place{fake::RadioLine(fake::default_memory(), options, 1500ms), {}, {}}));
      places_.back()->link.set_port_open(true);
    }
  }

  // Until the job is over; stopped at `stop_at`.
  void run(Duration stop_at) {
    job_.start(now_);
    bool stopped = false;
    for (int step = 0; !job_.over(); ++step) {
      ASSERT_LT(step, 1'000'000) << "the job never ends: com1's link is "
                                 << places_[0]->link.phase_name();
      carry_out();
      if (writer_) take_appended(false);
      std::optional<TimePoint> next = job_.next_deadline();
      for (auto& place : places_) {
        for (auto t : {place->link.next_deadline(), place->radios.next_deadline()}) {
          if (t && (!next || *t < *next)) next = t;
        }
      }
      if (!next && pending_ > 0) {
        ASSERT_TRUE(take_appended(true)) << pending_ << " lines never reached the log";
        continue;
      }
      if (!stopped && (!next || *next >= TimePoint{} + stop_at)) {
        job_.stop(now_ = TimePoint{} + stop_at);
        stopped = true;
        continue;
      }
      ASSERT_TRUE(next) << "the job waits for nothing";
      now_ = *next;
      for (std::size_t i = 0; i < places_.size(); ++i) {
        Link& link = places_[i]->link;
        const auto bytes = places_[i]->radios.transmit(now_);
        link.on_bytes(now_, bytes);
        link.on_timer(now_);
        drain(i);
      }
      job_.on_timer(now_);
    }
  }

  std::vector<std::string> lines;  // "com1 12345678>100 ok 3.3"
  const Place& place(int i) const { return *places_[i]; }

  // The log goes through a writer of its own: the job goes on in virtual time while a line is on
  // its way, and the bench waits for the disk only when nothing else is due.
  void write_log_on_a_thread(JobLog log) {
    writer_ = std::make_unique<LogWriter>(std::move(log), [this] {
      std::lock_guard lock(mutex_);
      woken_ = true;
      appended_.notify_one();
    });
  }

 private:
  // Lines the writer has appended go back to the job; false when the writer never answered.
  bool take_appended(bool wait) {
    if (wait) {
      std::unique_lock lock(mutex_);
      if (!appended_.wait_for(lock, 10s, [this] { return woken_; })) return false;
      woken_ = false;
    }
    for (const auto& appended : writer_->take_appended()) {
      --pending_;
      log(appended.line);
      job_.log_appended(appended.station, now_, appended.failure);
    }
    return true;
  }

  SeriesJob make_job(int stations, std::optional<int> count) {
    SeriesSettings s{prepare_write(startup_sheet()).sheet, "5ha", 100, 199, false, count};
    for (int i = 1; i <= stations; ++i) s.ports.push_back("com" + std::to_string(i));
    return std::move(SeriesJob::create(s, {}).value());
  }

  void carry_out() {
    while (auto action = job_.poll()) {
      Place& place = *places_[action->station];
      if (auto operation = step_operation(action->action, plan_)) {
        place.link.start(now_, std::move(operation));
      } else if (std::holds_alternative<StopSequence>(action->action)) {
        place.link.interrupt();
      } else if (const auto* append = std::get_if<AppendLog>(&action->action)) {
        if (writer_) {
          ++pending_;
          writer_->append(action->station, append->line, std::chrono::system_clock::now());
        } else {
          log(append->line);
          job_.log_appended(action->station, now_, std::nullopt);
        }
      }
      drain(action->station);
    }
  }

  void drain(std::size_t i) {
    Place& place = *places_[i];
    while (auto e = place.link.poll()) {
      if (const auto* send = std::get_if<Send>(&*e)) {
        ++place.requests;
        place.radios.receive(now_, send->bytes);
        place.link.on_written(now_);
      } else if (auto outcome = place.listener.heard(*e)) {
        job_.step_ended(i, now_, *outcome);
      }
    }
  }

  void log(const LogLine& line) {
    if (line.result == RadioResult::Reserved) return;
    lines.push_back(line.port + " " + std::to_string(line.old_id) + ">" +
                    (line.new_id ? std::to_string(*line.new_id) : "-") + " " +
                    std::string(result_name(line.result)) + " " + tenths_of_seconds(line.elapsed));
  }

  WritePlan plan_;
  SeriesJob job_;
  std::vector<std::unique_ptr<Place>> places_;
  TimePoint now_{};
  int pending_ = 0;
  std::mutex mutex_;
  std::condition_variable appended_;
  bool woken_ = false;
  std::unique_ptr<LogWriter> writer_;  // last: its thread may wake the bench until it ends
};

// Radios that take their swap 1.5 s after their ID was read back: each is written, verified and
// numbered on its own link in the time of its exchanges; stations share the pool. A silent line
// hears a probe, one request, every 500 ms.
TEST(SeriesOnLinks, NumbersEachRadioInTheTimeOfItsExchanges) {
  const struct {
    int stations;
    std::optional<int> count;
    fake::Fault fault;
    std::vector<std::string> lines;
    int requests_of_first;  // on the first station's line
  } kCases[] = {
      {1, 2, {}, {"com1 12345678>100 ok 3.2", "com1 0>101 ok 3.2"}, 0},
      {2, 3, {}, {"com1 12345678>100 ok 3.2", "com2 12345678>101 ok 3.2", "com1 0>102 ok 3.2"}, 0},
      {1, {}, {fake::Fault::Kind::kSilent}, {}, 4},
  };
  for (const auto& c : kCases) {
    LinkedBench bench(c.stations, c.count, {.reply_delay = 30ms, .fault = c.fault});
    bench.run(c.count ? 60s : 1800ms);
    EXPECT_EQ(bench.lines, c.lines);
    EXPECT_TRUE(!c.requests_of_first || bench.place(0).requests == c.requests_of_first);
    EXPECT_TRUE(!c.count || bench.place(0).radios.unplugged().front().id == 100u);
  }
}

bool stop_signal_blocked() {
  sigset_t mask;
  pthread_sigmask(SIG_BLOCK, nullptr, &mask);
  return sigismember(&mask, SIGINT) == 1;
}

// A disk that takes 300 ms over every sync holds up no other station: with four of them, no radio
// fails and every line reaches the log. Ctrl-C never breaks into a sync, and still stops the job.
TEST(SeriesOnLinks, GoesOnWhileASlowDiskSyncsTheLog) {
  struct SlowDisk : FileSystem {
    int fsync(int fd) override {
      stop_signal_blocked_on_sync = stop_signal_blocked();
      std::this_thread::sleep_for(300ms);
      return FileSystem::fsync(fd);
    }
    std::atomic<bool> stop_signal_blocked_on_sync = false;
  } disk;
  std::string name = (std::filesystem::temp_directory_path() / "m27-slow-XXXXXX").string();
  const std::filesystem::path folder = mkdtemp(name.data());
  {
    LinkedBench bench(4, 4, {.reply_delay = 30ms});
    auto log = JobLog::open(folder / "series.csv", true, disk);
    ASSERT_TRUE(log.ok()) << source_text(log.why());
    bench.write_log_on_a_thread(std::move(log).value());
    EXPECT_FALSE(stop_signal_blocked());
    bench.run(60s);
    EXPECT_TRUE(disk.stop_signal_blocked_on_sync);
    ASSERT_EQ(bench.lines.size(), 4u);
    for (const auto& line : bench.lines) EXPECT_NE(line.find(" ok "), std::string::npos) << line;
  }
  EXPECT_EQ(read_log(*read_file(folder / "series.csv", 65536)).history.used_ids().size(), 4u);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace m27
