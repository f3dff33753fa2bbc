// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a series station asks its driver to do, and what the driver tells it back. The driver
// owns the station's port and link: it carries out each request as one sequence on the link and
// reports how it ended; the station never touches a port, a clock or a file.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "channels/sheet.h"
#include "channels/words.h"
#include "series/log_line.h"

namespace m27 {

// Requests, each answered by one `step_ended` (AppendLog by `log_appended`).
struct Probe {};          // one ID read, a single try that waits kProbeTimeout
struct WriteTemplate {};  // the job's template, as a write sends it
struct ReadBack {};       // the radio's options and channels, as a read takes them
struct WriteRadioId {
  std::uint32_t id = 0;
};
struct ReadRadioId {};  // the radio's ID, as an ordinary read of it
// The line's detail is what the station showed: its driver writes it into the line in the job's
// language.
struct AppendLog {
  LogLine line;
  Words detail = Words{{}, {}};
};
// Needs no answer: the sequence under way stops after the exchange in flight, and its ending
// is reported as usual.
struct StopSequence {};

// What the station shows, for its row of the window or its line on a terminal.
enum class StationLook {
  Waiting,  // no radio, or waiting for one to be taken off (grey)
  Busy,     // a radio on its way
  Done,     // the last radio is finished (green)
  Failed,   // the last radio failed (red)
  Stopped,  // the station sends nothing more
};
struct ShowState {
  StationLook look = StationLook::Waiting;
  Words text = Words{{}, {}};
  friend bool operator==(const ShowState&, const ShowState&) = default;
};

// The station's last word: it sends nothing more. `reason` is none after a stop or the job's
// end; else why it could not go on (its port was lost, the log could not be written).
struct StationStopped {
  std::optional<Words> reason;
};

using StationAction = std::variant<Probe, WriteTemplate, ReadBack, WriteRadioId, ReadRadioId,
                                   AppendLog, StopSequence, ShowState, StationStopped>;

// How a request's sequence ended on the link.
enum class StepEnding {
  Completed,
  NoAnswer,  // the radio did not answer (at all or any more)
  Failed,    // anything else that kept the sequence from completing
};
struct StepOutcome {
  StepEnding ending = StepEnding::Completed;
  std::optional<std::uint32_t> id = {};  // a probe's or ReadRadioId's answer
  std::optional<Sheet> sheet = {};       // what ReadBack read
};

}  // namespace m27
