// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the link has to say, in order. Three kinds:
//  - port requests (Send, DiscardInput), which the driver carries out at once;
//  - what came in from the port and what the link made of it (Received), for whoever listens to
//    the line;
//  - events: what happened to the exchange sequence, in the core's own words. Each face decides
//    what they mean for its user; the texts of the messages are the core's, so both faces show
//    the same. A sequence ends with exactly one Finished, which says how it ended and carries the
//    messages the user is told of it; the window shows them in modal boxes, one after another
//    (the command line prints them).

#include <chrono>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "channels/sheet.h"
#include "channels/words.h"
#include "link/frame.h"

namespace m27 {

// Port requests.
struct Send {
  std::vector<std::uint8_t> bytes;
};
// The settle window is over: hand every received byte not yet read to Link::on_discarded.
struct DiscardInput {};

// Bytes the port brought in, as the link took them: through its receive machine, or thrown away
// while its request went out and settled (a cable's echo, a reply that came too early).
enum class Intake { Taken, Dropped };
struct Received {
  std::vector<std::uint8_t> bytes;
  Intake intake = Intake::Taken;
  std::chrono::steady_clock::duration after_request{};  // since the request's last byte left
};

// Events.
enum class Exchange {
  Read,     // the radio's channels and options are read
  Write,    // the radio's channels and options are written
  Query,    // a service request that reads a record of the radio
  Setting,  // a service request that changes something in the radio
};
// What both faces call a transfer under way, beside its progress.
inline Words transfer_under_way(Exchange exchange) {
  return exchange == Exchange::Write ? M27_WORDS("link", "正在写频......")
                                     : M27_WORDS("link", "正在读频......");
}
struct Began {  // the sequence is under way: its first request goes out
  Exchange exchange;
};
struct Progress {  // a transfer's records: `done` of `of` steps; it says 0 as its records start
  int done = 0;
  int of = 0;
};
struct SheetRead {  // a read completed: the radio's options and channels, to apply whole
  Sheet sheet;
};
struct ReplyData {  // the reply of a service request, for its dialog to show
  Frame reply;
};
struct MonitorPacket {  // a packet of the test-mode stream
  Frame packet;
};
struct PortLost {  // the port failed (the cable or adapter is gone): it is closed now
  Notice message;
};
enum class Ending {
  Completed,
  NoAnswer,            // the radio did not answer
  ReadError,           // a read that started its channels got no further (or was given up)
  CommunicationError,  // a write that could not go on (or was given up)
  Refused,             // nothing was sent: a closed port or values that do not fit
  PortLost,            // the port failed; PortLost names it right after
  Interrupted,         // stopped after the exchange in flight (by the user or a signal)
};
// The sequence is over: every event of it has been reported. `messages`, in order, are what the
// user is told of it. A read the radio stops answering among its channels ends in a read error
// whose first message tells of the silence, as any transfer the radio stops answering does.
struct Finished {
  Ending ending = Ending::Completed;
  std::vector<Notice> messages;

  bool ok() const { return ending == Ending::Completed; }
};

// A message under the program's default title.
inline Notice untitled(Words text) { return {std::move(text), Words{{}, {}}}; }

using Event = std::variant<Send, DiscardInput, Received, Began, Progress, SheetRead, ReplyData,
                           MonitorPacket, PortLost, Finished>;

}  // namespace m27
