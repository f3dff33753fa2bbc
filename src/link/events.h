// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the link has to say, in order. Two kinds:
//  - port requests (Send, DiscardInput), which the driver carries out at once;
//  - events: what happened to the exchange sequence, in the core's own words. Each face decides
//    what they mean for its user; the texts of the messages are the core's, so both faces show
//    the same. A Notice is a message for the user: the window shows it in a modal box and lets
//    the events after it take effect once the box is closed (the command line prints it and goes
//    on).

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "channels/message.h"
#include "channels/sheet.h"
#include "link/frame.h"

namespace m27 {

// Port requests.
struct Send {
  std::vector<std::uint8_t> bytes;
};
struct DiscardInput {};  // drop every received byte not yet read

// Events.
enum class Exchange {
  Read,     // the radio's channels and options are read
  Write,    // the radio's channels and options are written
  Query,    // a service request that reads a record of the radio
  Setting,  // a service request that changes something in the radio
};
// What both faces call a transfer under way, beside its progress.
inline const char* transfer_under_way(Exchange exchange) {
  return exchange == Exchange::Write ? "正在写频......" : "正在读频......";
}
struct Began {  // the sequence is under way (a write: before it checks its sheet)
  Exchange exchange;
};
struct Progress {  // a transfer's records: `done` of `of` steps; it says 0 as its records start
  int done = 0;
  int of = 0;
};
struct Notice {
  Message message;
};
struct SheetChecked {};  // the write corrected the sheet it was given (rasters, typed texts)
struct SheetRead {       // a read completed: the radio's options and channels, to apply whole
  Sheet sheet;
};
struct ReplyData {  // the reply of a service request, for its dialog to show
  Frame reply;
};
struct MonitorPacket {  // a packet of the test-mode stream
  Frame packet;
};
struct PortLost {  // the port failed (the cable or adapter is gone): it is closed now
  Message message;
};
enum class Ending {
  Completed,
  NoAnswer,            // the radio did not answer
  ReadError,           // a read that started its channels got no further (or was given up)
  CommunicationError,  // a write that could not go on (or was given up)
  Refused,             // nothing was sent: a closed port or values that do not fit
  PortLost,
};
struct Ended {    // how the sequence came out, before its messages; a read that loses its radio
  Ending ending;  // among the channels ends twice: no answer, then a read error
};
struct Finished {  // the sequence is over: every event of it has been reported
  bool ok = false;
};

using Event = std::variant<Send, DiscardInput, Began, Progress, Notice, SheetChecked, SheetRead,
                           ReplyData, MonitorPacket, PortLost, Ended, Finished>;

}  // namespace m27
