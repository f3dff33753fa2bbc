#pragma once
// An exchange sequence as the link runs it: a read or write transfer, or one service request.
// The link does the sending, settling, waiting and retrying; the operation decides what to ask
// next and what the user sees.

#include <chrono>
#include <optional>
#include <vector>

#include "link/actions.h"
#include "link/frame.h"
#include "link/receiver.h"

namespace m27 {

using Clock = std::chrono::steady_clock;
using TimePoint = Clock::time_point;
using Duration = Clock::duration;

struct Request {
  Frame frame;
  Duration interval{};      // each attempt waits this long for the reply
  int min_reply_data = 0;   // a frame with fewer data bytes does not answer this request
  bool await_reply = true;  // false: done once it has left the line and the input has settled
};

// The state of the link that operations read and set.
struct LinkState {
  bool port_open = false;
  bool monitor_flag = false;  // every good frame goes to the test-mode window
  ReceiveMachine rx;
};

class Operation {
 public:
  virtual ~Operation() = default;

  // Runs when the sequence starts: emits its first user actions and returns the first request,
  // or nothing when it ends at once (for instance because the port is closed).
  virtual std::optional<Request> begin(LinkState& link, std::vector<Action>& out) = 0;

  // The last request was answered (`link.rx.rx_data` holds the reply) or, for one that awaits
  // no reply, has been sent. Returns the next request, or nothing when the sequence is over.
  virtual std::optional<Request> next(LinkState& link, std::vector<Action>& out) = 0;

  // The radio did not answer: the third time-out of the sequence.
  virtual void on_timeout(std::vector<Action>& out) = 0;

  // The user gave up (closed the progress window) while a request was outstanding.
  virtual void on_cancel(std::vector<Action>& out) = 0;

  // Whether the sequence ended well; asked once it is over.
  virtual bool succeeded() const = 0;
};

}  // namespace m27
