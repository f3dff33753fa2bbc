// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the line brings back while a request is asked, told apart: a valid reply the link
// takes, a valid reply the link threw away because it came while the request settled, the
// request's own bytes and nothing else, bytes that make no reply, or nothing at all. It hears the
// link's own events: the requests it sends and each chunk it received, marked taken or dropped
// (a half-duplex programming cable echoes every byte it sends, and the echo arrives while the
// request settles). It keeps no clock: the link says how long after the request a chunk came.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "link/events.h"
#include "link/operation.h"
#include "link/receiver.h"

namespace m27 {

enum class Answer {
  Reply,       // a valid reply, as the link takes it (an echo before it does no harm)
  TooEarly,    // a valid reply inside the settle window, which the link drops: every read fails
  EchoOnly,    // the request's own bytes, whole, and nothing else: the radio is off or unplugged
  Unreadable,  // bytes that make no reply: garbage, a reply cut short or with a wrong checksum
  Nothing,     // not a byte
};

struct Heard {
  Answer answer = Answer::Nothing;
  Frame reply;            // Reply: the first valid one
  Duration round_trip{};  // Reply: from the request's last byte on the line to the reply's last
};

class LineListener {
 public:
  // Listens for the answers to `request`, the bytes it takes on the line. A frame with fewer data
  // bytes than `min_reply_data` is no reply, as for the link.
  LineListener(std::vector<std::uint8_t> request, int min_reply_data)
      : request_(std::move(request)), min_reply_data_(min_reply_data) {}

  // One event of the link. A Send is the request, once for each attempt, or another one (the
  // stop of a test-mode stream), whose exchange is not listened to; what is Received counts only
  // while the request is asked.
  void hear(const Event& event);

  // What was heard so far; a reply is final, the rest may still change.
  Heard verdict() const;

 private:
  void sent(const Send& send);
  void received(const Received& received);
  bool echo(std::uint8_t b);
  bool echo_cut_short() const;
  bool is_reply(const std::optional<Frame>& frame) const;

  std::vector<std::uint8_t> request_;
  int min_reply_data_;
  bool asked_ = false;        // the request was the last bytes sent
  std::size_t echoed_ = 0;    // how much of the request has come back so far
  bool echo_broken_ = false;  // a byte that was no echo came first
  bool whole_echo_ = false;
  bool other_bytes_ = false;
  bool early_reply_ = false;
  ReceiveMachine rx_;        // the bytes the link took
  ReceiveMachine early_rx_;  // the bytes it dropped
  std::optional<Heard> reply_;
};

}  // namespace m27
