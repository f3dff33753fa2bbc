// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An exchange sequence as the link runs it: a read or write transfer, or one service request.
// The link does the sending, settling, waiting and retrying; the operation decides what to ask
// next and how the sequence ends. Operations take values in and give values out: a reply reaches
// them as a Frame, and they never see the link's buffers or the port.

#include <chrono>
#include <optional>
#include <variant>
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
  bool single_try = false;  // its first time-out gives up, whatever the sequence's count
};

// What follows an answered or sent request: the next request, or the end of the sequence.
using Next = std::variant<Request, Finished>;

// What a closed port refuses a sequence with: one that only reads from the radio asks for the
// port to be opened, one that sends the radio something for a port to be set.
inline Notice open_the_port() { return untitled(M27_WORDS("link", "请打开通信端口")); }
inline Notice set_the_port() { return attention(M27_WORDS("link", "请设置串口")); }

class Operation {
 public:
  virtual ~Operation() = default;

  // Why the sequence may not start whatever the port: a value it was given that cannot be sent.
  virtual std::optional<Notice> refusal() const { return std::nullopt; }
  // What refuses the sequence while the port is closed (asked after `refusal`).
  virtual Notice port_closed() const = 0;

  // Runs when the sequence starts on an open port: reports its first events and returns the
  // first request.
  virtual Request begin(std::vector<Event>& out) = 0;

  // The last request was answered with `reply`.
  virtual Next on_reply(const Frame& reply, std::vector<Event>& out) = 0;

  // The last request, one that awaits no reply, has been sent; unless the operation goes on, the
  // sequence is complete.
  virtual Next on_sent(std::vector<Event>&) { return Finished{}; }

  // The radio did not answer: the third time-out of the sequence.
  virtual Finished on_timeout() = 0;

  // The user gave up (closed the progress window or the program) while a request was
  // outstanding.
  virtual Finished on_cancel() = 0;
};

}  // namespace m27
