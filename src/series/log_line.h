// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One line of a series job's log: what became of one radio at one station, as CSV (RFC 4180,
// UTF-8, CR LF) under the header
//   time,port,old_id,new_id,result,step,seconds,template_sha256,detail
// time: local ISO 8601 with its offset; old_id: the ID the radio answered with; new_id: the ID
// reserved for it (empty when none was); seconds: from the radio's first answer to the line, one
// decimal; template_sha256: the template's fingerprint; detail: the text the station showed.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace m27 {

inline constexpr std::string_view kLogHeader =
    "time,port,old_id,new_id,result,step,seconds,template_sha256,detail";

enum class RadioResult {
  Reserved,     // its new ID is taken for good, before it is sent
  Ok,           // written, verified, numbered and the ID read back
  Failed,       // it did not take the template or its ID
  Unconfirmed,  // its ID went out, but whether the radio holds it is unknown
  Interrupted,  // the job was stopped while the radio was on its way
  AlreadyDone,  // its ID was logged ok with this template: nothing was written
};

// Where a radio that did not finish stopped; None for Reserved, Ok and AlreadyDone.
enum class SeriesStep { None, Write, Verify, Id, IdVerify };

struct LogLine {
  std::string port = {};
  std::uint32_t old_id = 0;
  std::optional<std::uint32_t> new_id = {};
  RadioResult result = RadioResult::Ok;
  SeriesStep step = SeriesStep::None;
  std::chrono::milliseconds elapsed{};  // from the radio's first answer
  std::string template_sha256 = {};
  std::string detail = {};
  friend bool operator==(const LogLine&, const LogLine&) = default;
};

// "reserved", "ok", "failed", "unconfirmed", "interrupted", "already-done".
std::string_view result_name(RadioResult result);
std::optional<RadioResult> result_named(std::string_view name);
// "", "write", "verify", "id", "id-verify".
std::string_view step_name(SeriesStep step);
std::optional<SeriesStep> step_named(std::string_view name);

// "2026-12-07T17:40:12+08:00": `t` in the machine's time zone.
std::string iso_local_time(std::chrono::system_clock::time_point t);

// "2.1": tenths of a second, rounded half up.
std::string tenths_of_seconds(std::chrono::milliseconds elapsed);

// The line as it goes into the file, CR LF included. A line break in a text becomes a blank,
// so that every record stays on one line of the file.
std::string log_record(const LogLine& line, std::string_view time);

}  // namespace m27
