// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A job's log written on a thread of its own: lines are queued and appended one after the other,
// each flushed to the disk, while the job goes on. A slow disk holds up only the station whose
// line waits (a station sends a radio its ID only once the line that reserves it is in).

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "series/job_log.h"

namespace m27 {

class LogWriter {
 public:
  struct Appended {
    std::size_t station = 0;
    LogLine line;
    std::optional<Words> failure;                // as JobLog::append gave it
    std::chrono::system_clock::time_point time;  // the line's in the log
  };

  // `appended` is called on the writer's thread after each line: it only wakes the owner, who
  // then takes the lines with `take_appended`. The log and its file system belong to the writer
  // from now on. SIGINT, SIGTERM and SIGHUP never reach its thread.
  LogWriter(JobLog log, std::function<void()> appended);
  // Appends what is queued, then closes the log, which unlocks it.
  ~LogWriter();
  LogWriter(const LogWriter&) = delete;
  LogWriter& operator=(const LogWriter&) = delete;

  void append(std::size_t station, LogLine line, std::chrono::system_clock::time_point now);
  // The lines appended since the last call, in their order.
  std::vector<Appended> take_appended();
  // Blocks until every queued line is appended; whether some wait to be taken.
  bool wait_until_idle();

 private:
  struct Queued {
    std::size_t station;
    LogLine line;
    std::chrono::system_clock::time_point now;
  };

  void run();

  JobLog log_;
  std::function<void()> appended_;
  std::mutex mutex_;
  std::condition_variable queued_;
  std::condition_variable idle_;
  std::deque<Queued> queue_;
  bool appending_ = false;
  std::vector<Appended> done_;
  bool closing_ = false;
  std::thread thread_;  // last: it starts once the rest is made
};

}  // namespace m27
