// SPDX-License-Identifier: GPL-3.0-or-later
// Series jobs on a dealer's bench in virtual time: scripted radios answer each station's
// requests, and an operator takes a finished radio off 1.1 s after its last line and plugs the
// next one 0.9 s later.
#include "series/series_job.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>

namespace m27 {
namespace {

using namespace std::chrono_literals;

// Once done, a Stays radio is never taken off, a Swapped one has the next take its place at once
// and a PutBack one is taken off for 0.5 s and put back. A radio holds another memory than the
// template when it comes, but a Written one holds the template already and an Unreadable one
// cannot be read.
enum class Kind {
  Good,
  Written,
  Unreadable,
  StoreWrong,
  IdBackWrong,
  SilentMidWrite,
  IdSilent,
  LosesPort,
  Stays,
  Swapped,
  PutBack
};
struct Unit {
  std::uint32_t id = 0;
  Kind kind = Kind::Good;
};

const TimePoint kT0 = TimePoint{} + 1h;
const char* kSha = "5ha";

// The words as written, "" for none.
std::string said(const std::optional<Words>& words) { return words ? source_text(*words) : ""; }

SeriesSettings settings(std::uint32_t last, int stations) {
  SeriesSettings s{startup_sheet(), kSha, 100, last};
  for (int i = 1; i <= stations; ++i) s.ports.push_back("com" + std::to_string(i));
  return s;
}

LogHistory history_of(std::initializer_list<LogLine> lines) {
  LogHistory history;
  for (const auto& line : lines) history.note(line);
  return history;
}

class Bench {
 public:
  Bench(SeriesSettings s, std::vector<std::vector<Unit>> radios, const LogHistory& history = {})
      : job(std::move(SeriesJob::create(s, history).value())), places_(radios.size()) {
    for (std::size_t i = 0; i < radios.size(); ++i) {
      places_[i].queue.assign(radios[i].begin(), radios[i].end());
      plug_next(i);
    }
  }

  // Until the job is over; at `stop_at` it is stopped.
  Bench& run(std::chrono::milliseconds stop_at = 30s, std::size_t failing_line = SIZE_MAX) {
    failing_line_ = failing_line;
    job.start(now_);
    for (int step = 0;; ++step) {
      while (auto action = job.poll()) carry_out(action->station, action->action);
      if (job.over()) return *this;
      if (step == 1'000'000) {
        ADD_FAILURE() << "the job never ends";
        return *this;
      }
      std::optional<TimePoint> next = job.next_deadline();
      if (!due_.empty() && (!next || due_.begin()->first < *next)) next = due_.begin()->first;
      if (!stopped && (!next || *next >= kT0 + stop_at)) {
        job.stop(now_ = kT0 + stop_at);
        stopped = true;
      } else if (!next) {
        ADD_FAILURE() << "the job waits for nothing";
        return *this;
      } else if (now_ = *next; !due_.empty() && due_.begin()->first == now_) {
        auto event = std::move(due_.begin()->second);
        due_.erase(due_.begin());
        event();
      } else {
        job.on_timer(now_);
      }
    }
  }

  // The radios' last lines: "com1 7>100 failed id-verify".
  std::vector<std::string> outcomes() const {
    std::vector<std::string> finals;
    for (const auto& line : lines) {
      if (line.find(" reserved ") == std::string::npos)
        finals.push_back(line.substr(0, line.rfind(' ')));
    }
    return finals;
  }

  SeriesJob job;
  bool stopped = false;            // by the bench, else the job ended by itself
  std::string events;              // what the stations did, probes left out
  std::vector<std::string> lines;  // "com1 12345678>100 ok 3.5"
  std::vector<std::string> details;
  std::map<std::uint32_t, int> numbered;  // ID -> radios it was written into

 private:
  struct Place {
    std::deque<Unit> queue;
    std::optional<Unit> plugged;
    Sheet memory;
  };

  void plug_next(std::size_t i) {
    Place& place = places_[i];
    place.plugged.reset();
    if (place.queue.empty()) return;
    place.plugged = place.queue.front();
    place.queue.pop_front();
    place.memory = startup_sheet();
    if (place.plugged->kind != Kind::Written) place.memory.rows[0].rx_frequency = "460.00000";
  }

  void after(std::chrono::milliseconds delay, std::function<void()> event) {
    due_.emplace(now_ + delay + std::chrono::nanoseconds(due_.size()), std::move(event));
  }

  void ended(std::size_t i, std::chrono::milliseconds delay, StepOutcome outcome) {
    after(delay, [this, i, outcome] { job.step_ended(i, now_, outcome); });
  }

  void carry_out(std::size_t i, const StationAction& action) {
    Place& place = places_[i];
    const Kind kind = place.plugged ? place.plugged->kind : Kind::Good;
    const auto note = [&](const std::string& what) { events += what + "\n"; };
    if (std::holds_alternative<Probe>(action)) {
      if (place.plugged) return ended(i, 60ms, {.id = place.plugged->id});
      return ended(i, 300ms, {.ending = StepEnding::NoAnswer});
    }
    if (std::holds_alternative<WriteTemplate>(action)) {
      note("write");
      if (kind == Kind::LosesPort) {
        return after(800ms,
                     [this, i] { job.port_lost(i, now_, as_is("串口已断开，请检查数据线")); });
      }
      if (kind == Kind::SilentMidWrite) return ended(i, 800ms, {.ending = StepEnding::NoAnswer});
      place.memory = startup_sheet();
      if (kind == Kind::StoreWrong) place.memory.rows[2].rx_frequency = "451.13125";
      return ended(i, 1700ms, {});
    }
    if (std::holds_alternative<ReadBack>(action)) {
      note("read-back");
      if (kind == Kind::Unreadable) return ended(i, 1700ms, {.ending = StepEnding::NoAnswer});
      return ended(i, 1700ms, {.sheet = place.memory});
    }
    if (const auto* write_id = std::get_if<WriteRadioId>(&action)) {
      note("write-id " + std::to_string(write_id->id));
      if (kind != Kind::IdBackWrong) place.plugged->id = write_id->id;
      ++numbered[write_id->id];
      return ended(i, 60ms, {});
    }
    if (std::holds_alternative<ReadRadioId>(action)) {
      note("read-id");
      if (kind == Kind::IdSilent) return ended(i, 3000ms, {.ending = StepEnding::NoAnswer});
      return ended(i, 60ms, {.id = place.plugged->id});
    }
    if (const auto* append = std::get_if<AppendLog>(&action)) {
      LogLine line = append->line;
      line.detail = source_text(append->detail);
      return log(i, line);
    }
    if (const auto* show = std::get_if<ShowState>(&action)) {
      return note("show " + source_text(show->text));
    }
    if (const auto* stopped = std::get_if<StationStopped>(&action)) {
      return note("stopped " + said(stopped->reason));
    }
    note("stop-sequence");
  }

  void log(std::size_t i, const LogLine& line) {
    const std::string new_id = line.new_id ? std::to_string(*line.new_id) : "-";
    std::string text = line.port + " " + std::to_string(line.old_id) + ">" + new_id + " " +
                       std::string(result_name(line.result));
    if (line.step != SeriesStep::None) text += " " + std::string(step_name(line.step));
    events += "log " + text + "\n";
    lines.push_back(text + " " + tenths_of_seconds(line.elapsed));
    if (line.result != RadioResult::Reserved) details.push_back(line.detail);
    if (lines.size() > failing_line_) return job.log_appended(i, now_, as_is("磁盘已满"));
    job.log_appended(i, now_, std::nullopt);
    if (line.result == RadioResult::Reserved) return;
    const Unit unit = *places_[i].plugged;
    if (unit.kind == Kind::Stays) return;
    if (unit.kind == Kind::Swapped) return after(1000ms, [this, i] { plug_next(i); });
    after(1100ms, [this, i] { places_[i].plugged.reset(); });
    if (unit.kind == Kind::PutBack)
      return after(1600ms, [this, i, unit] { places_[i].plugged = unit; });
    after(2000ms, [this, i] { plug_next(i); });
  }

  TimePoint now_ = kT0;
  std::vector<Place> places_;
  std::multimap<TimePoint, std::function<void()>> due_;
  std::size_t failing_line_ = SIZE_MAX;
};

// A radio taken through every step: the ID is reserved in the log before it is sent, the
// radio's seconds count from its first answer, and the station waits for the next one once two
// probes in a row have had no answer.
TEST(SeriesStation, WritesVerifiesNumbersAndLogsARadioInThisOrder) {
  Bench bench(settings(199, 1), {{{12345678}}});
  bench.run(10s);
  EXPECT_EQ(bench.events,
            "show 请接上对讲机\nwrite\nshow 正在写频......\nread-back\nshow 正在校验......\n"
            "log com1 12345678>100 reserved\nwrite-id 100\nshow 正在写ID......\nread-id\n"
            "log com1 12345678>100 ok\nshow 完成，请换下一台\nshow 请接上对讲机\nshow 已停止\n"
            "stopped \n");
  EXPECT_EQ(bench.lines, (std::vector<std::string>{"com1 12345678>100 reserved 3.4",
                                                   "com1 12345678>100 ok 3.5"}));
}

// Each way a radio can fail ends that radio only, with its line and the text shown; a radio the
// log holds as done with this template is left alone; a lost port stops its station.
TEST(SeriesStation, LogsEachFailureWithItsStepAndReason) {
  const char* kInterrupted = "已中断：对讲机中的数据可能不完整，请重新写频";
  const struct {
    Unit radio;
    const char* line;
    const char* detail;
    const char* failure = "";
    std::chrono::milliseconds stop_at = 10s;
  } kCases[] = {
      {{7, Kind::StoreWrong},
       "com1 7>- failed verify 3.4",
       "失败：校验不一致：第3信道接收频率 写入451.12500，读回451.13125，请取下对讲机"},
      {{7, Kind::IdBackWrong},
       "com1 7>100 failed id-verify 3.5",
       "失败：回读ID不一致：写入100，读回7，请取下对讲机"},
      {{7, Kind::IdSilent},
       "com1 7>100 unconfirmed id-verify 6.5",
       "失败：回读ID无应答，请取下对讲机"},
      {{7, Kind::SilentMidWrite}, "com1 7>- failed write 0.8", "失败：写频无应答，请取下对讲机"},
      {{7, Kind::Unreadable}, "com1 7>- failed verify 3.4", "失败：回读无应答，请取下对讲机"},
      {{7, Kind::LosesPort},
       "com1 7>- failed write 0.8",
       "失败：串口已断开，请取下对讲机",
       "所有串口都已断开"},
      {{7, Kind::IdSilent}, "com1 7>100 interrupted id-verify 6.5", kInterrupted, "", 4s},
      {{555, Kind::Written}, "com1 555>- already-done 1.7", "这台已写过 (ID 555)，请换下一台"},
  };
  const LogLine done_before{.new_id = 555, .template_sha256 = kSha};
  for (const auto& c : kCases) {
    Bench bench(settings(199, 1), {{c.radio}}, history_of({done_before}));
    bench.run(c.stop_at);
    EXPECT_EQ(bench.lines.back(), c.line);
    EXPECT_EQ(bench.details, std::vector<std::string>{c.detail});
    EXPECT_NE(bench.events.find("show " + std::string(c.detail)), std::string::npos) << c.line;
    EXPECT_EQ(said(bench.job.failure()), c.failure);
  }
}

// A radio is done once: while it answers with its old or new ID, even after a short gap, it is
// the same radio; another ID is the next radio at once. Lowest free ID first, the log's IDs left
// out; an ID comes back from a radio that failed before it was reserved and never from one after;
// stations share one pool; with keep-id a radio keeps its own ID, one an earlier job logged too,
// unless it is 0 or another radio of this job has it.
TEST(SeriesJob, HandsOutEachIdOnceAcrossStations) {
  const LogLine used_100{.new_id = 100, .result = RadioResult::Reserved};
  const LogLine other_template_500{.new_id = 500, .template_sha256 = "other"};
  struct Case {
    bool keep_id;
    std::vector<std::vector<Unit>> radios;
    std::vector<std::string> outcomes;
  } kCases[] = {
      {false,
       {{{7, Kind::StoreWrong}, {8}, {9, Kind::IdBackWrong}, {10}}},
       {"com1 7>- failed verify", "com1 8>101 ok", "com1 9>102 failed id-verify",
        "com1 10>103 ok"}},
      {false, {{{1, Kind::Stays}, {2}}}, {"com1 1>101 ok"}},
      {false, {{{1, Kind::PutBack}, {2}}}, {"com1 1>101 ok"}},
      {false, {{{1, Kind::Swapped}, {2}}}, {"com1 1>101 ok", "com1 2>102 ok"}},
      {false,
       {{{1}, {2}}, {{3}, {4}}},
       {"com1 1>101 ok", "com2 3>102 ok", "com1 2>103 ok", "com2 4>104 ok"}},
      {true,
       {{{77}, {0}, {500}}, {{77}, {42}}},
       {"com1 77>77 ok", "com2 77>101 ok", "com1 0>102 ok", "com2 42>42 ok", "com1 500>500 ok"}},
      {true, {{{77}, {77}}}, {"com1 77>77 ok", "com1 77>101 ok"}},
  };
  for (const auto& c : kCases) {
    auto s = settings(199, static_cast<int>(c.radios.size()));
    s.keep_id = c.keep_id;
    Bench bench(s, c.radios, history_of({used_100, other_template_500}));
    EXPECT_EQ(bench.run().outcomes(), c.outcomes);
    for (const auto& [id, radios] : bench.numbered) EXPECT_EQ(radios, 1) << id;
  }
}

// The job ends by itself once `count` radios are done or the pool is empty; a stop ends a radio
// on its way after the exchange in flight; a log that cannot be written stops every station
// before another ID goes out.
TEST(SeriesJob, EndsOnItsLimitsOnAStopAndWhenTheLogFails) {
  struct Case {
    std::uint32_t last;
    std::optional<int> count;
    std::chrono::milliseconds stop_at;
    std::size_t failing_line;
    std::vector<std::string> outcomes;
  } kCases[] = {
      {199, 2, 30s, SIZE_MAX, {"com1 1>100 ok", "com2 4>101 ok"}},
      {102, {}, 30s, SIZE_MAX, {"com1 1>100 ok", "com2 4>101 ok", "com1 2>102 ok"}},
      {199, {}, 1s, SIZE_MAX, {"com1 1>- interrupted write", "com2 4>- interrupted write"}},
      {199, {}, 3500ms, SIZE_MAX, {"com1 1>100 interrupted id", "com2 4>101 interrupted id"}},
      {199, {}, 3550ms, SIZE_MAX, {"com1 1>100 ok", "com2 4>101 ok"}},
      {199, {}, 30s, 0, {}},
  };
  for (const auto& c : kCases) {
    auto s = settings(c.last, 2);
    s.count = c.count;
    Bench bench(s, {{{1}, {2}, {3}}, {{4}, {5}, {6}}});
    EXPECT_EQ(bench.run(c.stop_at, c.failing_line).outcomes(), c.outcomes) << c.stop_at.count();
    const bool log_failed = c.failing_line == 0;
    EXPECT_EQ(said(bench.job.failure()), log_failed ? "磁盘已满" : "");
    EXPECT_TRUE(!log_failed || bench.numbered.empty());
    EXPECT_EQ(bench.stopped, c.stop_at < 30s);
  }
}

// No radio is given 0, nor an ID some radio came with. A radio the log holds as done with this
// template is read: it is done only while it holds the template, and one that cannot be read is
// left alone, unlogged, until it is taken off.
TEST(SeriesJob, NumbersRadiosThatAnswerWithAFactoryOrLoggedId) {
  struct Case {
    std::uint32_t first, last;
    std::vector<Unit> radios;
    std::vector<std::string> outcomes;
  } kCases[] = {
      {0, 3, {{0}, {0}, {0}, {0}}, {"com1 0>1 ok", "com1 0>2 ok", "com1 0>3 ok"}},
      {1, 3, {{2}, {0}, {0}}, {"com1 2>1 ok", "com1 0>3 ok"}},
      {100,
       199,
       {{555}, {555, Kind::Written}, {555, Kind::Unreadable}},
       {"com1 555>100 ok", "com1 555>- already-done"}},
  };
  for (const auto& c : kCases) {
    auto s = settings(c.last, 1);
    s.first_id = c.first;
    Bench bench(s, {c.radios}, history_of({{.new_id = 555, .template_sha256 = kSha}}));
    EXPECT_EQ(bench.run().outcomes(), c.outcomes);
    EXPECT_EQ(bench.job.failure(), std::nullopt);
  }
}

// A station with no ID left to give waits for the one another station's failed radio gives back.
TEST(SeriesJob, AStationWithoutAnIdWaitsForOneToComeBack) {
  Bench bench(settings(100, 2), {{{1, Kind::StoreWrong}}, {{4}}});
  EXPECT_EQ(bench.run().outcomes(),
            (std::vector<std::string>{"com1 1>- failed verify", "com2 4>100 ok"}));
}

TEST(SeriesJob, RefusesAPoolTheLogHasUsedUp) {
  const auto history = history_of({{.new_id = 100, .result = RadioResult::Reserved},
                                   {.new_id = 101, .result = RadioResult::Failed}});
  EXPECT_EQ(source_text(SeriesJob::create(settings(101, 1), history).why()),
            "ID 100..101 已全部用过，请换一个范围");
  EXPECT_TRUE(SeriesJob::create(settings(102, 1), history).ok());
  EXPECT_EQ(source_text(SeriesJob::create(settings(99, 1), {}).why()),
            "ID 100..99 不对：起始ID大于结束ID");
  EXPECT_EQ(said(id_range_refusal(0, 0)), "ID 0..0 不对：ID 0 不分配给对讲机");
  EXPECT_EQ(id_range_refusal(0, 1), std::nullopt);
  EXPECT_EQ(lowest_free_id(history), 1u);
  EXPECT_EQ(lowest_free_id(history_of({{.old_id = 1, .new_id = 3}, {.new_id = 2}})), 4u);
  EXPECT_EQ(source_text(summary_text({.ok = 12, .failed = 1}, 61300ms)),
            "完成 12 台，失败 1 台，用时 61.3 s，平均每台 4.7 s");
  EXPECT_EQ(source_text(summary_text({.ok = 1, .interrupted = 2}, 9000ms)),
            "完成 1 台，失败 0 台，中断 2 台，用时 9.0 s，平均每台 3.0 s");
}

// A job none of whose ports could be opened says so, not that they were lost.
TEST(SeriesJob, SaysNoPortCouldBeOpened) {
  auto job = std::move(SeriesJob::create(settings(199, 2), {}).value());
  job.port_not_opened(0, as_is("无法打开串口：不存在"));
  job.port_not_opened(1, as_is("无法打开串口：正被占用或无权限"));
  job.start(kT0);
  std::vector<std::string> reasons;
  while (auto action = job.poll()) {
    if (const auto* stopped = std::get_if<StationStopped>(&action->action)) {
      reasons.push_back(said(stopped->reason));
    }
  }
  EXPECT_TRUE(job.over());
  EXPECT_EQ(reasons,
            (std::vector<std::string>{"无法打开串口：不存在", "无法打开串口：正被占用或无权限"}));
  EXPECT_EQ(said(job.failure()), "没有一个串口能打开");
}

// At the top of the ID range nothing wraps round to 0.
TEST(IdPool, TakesLowestFirstAndEndsAtTheLastId) {
  IdPool pool(4294967293u, 4294967295u, {4294967294u});
  EXPECT_EQ(pool.take(), 4294967293u);
  EXPECT_EQ(pool.take(), 4294967295u);
  EXPECT_EQ(pool.take(), std::nullopt);
  pool.give_back(4294967293u);
  EXPECT_FALSE(pool.exhausted());
  EXPECT_EQ(pool.take(), 4294967293u);
  pool.use(4294967293u);
  pool.use(4294967295u);
  EXPECT_TRUE(pool.exhausted());
  EXPECT_EQ(IdPool(0, 1, {}).take(), 1u);  // never 0
}

}  // namespace
}  // namespace m27
