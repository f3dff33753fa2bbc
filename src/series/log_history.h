// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a series log tells a new job: which IDs have been handed out or found in a radio before
// it was numbered (never handed out again), and which radios are done with which template. Read
// from the log's bytes at the start and kept current as the job appends.

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "channels/words.h"
#include "series/log_line.h"

namespace m27 {

class LogHistory {
 public:
  // A line read or appended.
  void note(const LogLine& line);
  // An ID a line names that could not be read as a whole: kept out of the pool all the same.
  void note_used(std::uint32_t id) { used_.insert(id); }

  // Named by some line as a new ID: reserved, whatever became of it.
  const std::set<std::uint32_t>& used_ids() const { return used_; }
  // The IDs no pool hands out: 0, the used ones, and those radios answered with before they were
  // numbered (a factory ID, another program's), which another radio may still hold.
  std::set<std::uint32_t> barred_ids() const;
  // A radio with this ID was finished with the template of this fingerprint.
  bool done(std::uint32_t id, const std::string& template_sha256) const {
    return done_.contains({id, template_sha256});
  }

 private:
  std::set<std::uint32_t> used_;
  std::set<std::uint32_t> answered_;  // old IDs
  std::set<std::pair<std::uint32_t, std::string>> done_;
};

// The lowest ID a pool over this history would hand out first: 1 on a fresh log.
std::uint32_t lowest_free_id(const LogHistory& history);

struct LogReading {
  LogHistory history;
  // One per line skipped: "记录文件第7行无法识别，已跳过".
  std::vector<Words> warnings;
};

// The lines of a log file: the header and blank lines are passed over; a last line without its
// line break (the power went while it was written) and any line that is no record of the log are
// skipped with a warning. Lines are taken one by one, so a broken line never takes another with
// it; the ID a broken line seems to name in its new_id column stays out of the pool.
LogReading read_log(std::string_view bytes);

}  // namespace m27
