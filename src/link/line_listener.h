// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the line brings back while a request is asked, told apart: a valid reply, the
// request's own bytes and nothing else, bytes that make no reply, or nothing at all. It hears
// what the link throws away too: a half-duplex programming cable echoes every byte it sends,
// and the echo arrives while the request settles. Fed with the times bytes went and came; it
// never reads a clock.

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "link/operation.h"
#include "link/receiver.h"

namespace m27 {

enum class Answer {
  Reply,       // a valid reply, as the link takes it (an echo before it does no harm)
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

  // Bytes went to the port at `now`: the request, once for each attempt, or another one (the
  // stop of a test-mode stream), whose exchange is not listened to.
  void sent(TimePoint now, std::span<const std::uint8_t> bytes);
  // The port has written everything it was given.
  void written(TimePoint now);
  // Bytes came in at `now`; heard only while the request is asked.
  void heard(TimePoint now, std::span<const std::uint8_t> bytes);

  // What was heard so far; a reply is final, the rest may still change.
  Heard verdict() const;

 private:
  void hear(TimePoint now, std::uint8_t b);
  bool echo_cut_short() const;

  std::vector<std::uint8_t> request_;
  int min_reply_data_;
  bool asked_ = false;        // the request was the last bytes sent
  TimePoint left_line_{};     // when the request's last byte left the line
  std::size_t echoed_ = 0;    // how much of the request has come back so far
  bool echo_broken_ = false;  // a byte that was no echo came first
  bool whole_echo_ = false;
  bool other_bytes_ = false;
  ReceiveMachine rx_;
  std::optional<Heard> reply_;
};

}  // namespace m27
