// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An exchange sequence as the link runs it: a read or write transfer, or one service request.
// The link does the sending, settling, waiting and retrying; the operation decides what to ask
// next and reports what happened. Operations take values in and give values out: a reply reaches
// them as a Frame, and they never see the link's buffers.

#include <chrono>
#include <optional>
#include <vector>

#include "link/events.h"
#include "link/frame.h"

namespace m27 {

using Clock = std::chrono::steady_clock;
using TimePoint = Clock::time_point;
using Duration = Clock::duration;

// What a request does to the radio's test-mode stream.
enum class StreamChange {
  None,    // an ordinary request: a stream the link started is stopped before it
  Starts,  // the radio streams monitor packets from now on; each good frame is one
  Stops,   // the radio stops streaming
};

struct Request {
  Frame frame;
  Duration interval{};      // each attempt waits this long for the reply
  int min_reply_data = 0;   // a frame with fewer data bytes does not answer this request
  bool await_reply = true;  // false: done once it has left the line and the input has settled
  StreamChange stream = StreamChange::None;
};

class Operation {
 public:
  virtual ~Operation() = default;

  // Runs when the sequence starts: reports its first events and returns the first request,
  // or nothing when it ends at once (for instance because the port is closed).
  virtual std::optional<Request> begin(bool port_open, std::vector<Event>& out) = 0;

  // The last request was answered with `reply`. Returns the next request, or nothing when the
  // sequence is over.
  virtual std::optional<Request> on_reply(const Frame& reply, std::vector<Event>& out) = 0;

  // The last request, one that awaits no reply, has been sent (`sent`: it left through an open
  // port). Returns the next request, or nothing.
  virtual std::optional<Request> on_sent(bool sent, std::vector<Event>& out) = 0;

  // The radio did not answer: the third time-out of the sequence.
  virtual void on_timeout(std::vector<Event>& out) = 0;

  // The user gave up (closed the progress window) while a request was outstanding.
  virtual void on_cancel(std::vector<Event>& out) = 0;

  // Whether the sequence ended well; asked once it is over.
  virtual bool succeeded() const = 0;
};

}  // namespace m27
