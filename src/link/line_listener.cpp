// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/line_listener.h"

#include <algorithm>

#include "link/link.h"

namespace m27 {

void LineListener::sent(TimePoint now, std::span<const std::uint8_t> bytes) {
  if (echo_cut_short()) other_bytes_ = true;
  asked_ = std::ranges::equal(bytes, request_);
  left_line_ = now + kByteTime * static_cast<int>(bytes.size());
  echoed_ = 0;
  echo_broken_ = false;
  rx_.reset();  // nothing reaches it before the request has settled, as in the link
}

void LineListener::written(TimePoint now) { left_line_ = std::max(left_line_, now); }

void LineListener::heard(TimePoint now, std::span<const std::uint8_t> bytes) {
  if (!asked_) return;
  for (std::uint8_t b : bytes) {
    if (reply_) return;
    hear(now, b);
  }
}

void LineListener::hear(TimePoint now, std::uint8_t b) {
  bool echo = false;
  if (!echo_broken_ && echoed_ < request_.size()) {
    echo = b == request_[echoed_];
    echo_broken_ = !echo;
    if (echo && ++echoed_ == request_.size()) whole_echo_ = true;
  }
  other_bytes_ = other_bytes_ || !echo;
  // While the request settles the link throws the input away; afterwards every byte, an echo
  // that came late too, goes through its receive machine.
  if (now < left_line_ + kSettle) return;
  const auto frame = rx_.receive_byte(b);
  if (frame && static_cast<int>(frame->data.size()) >= min_reply_data_) {
    reply_ = Heard{Answer::Reply, *frame, now - left_line_};
  }
}

bool LineListener::echo_cut_short() const { return echoed_ > 0 && echoed_ < request_.size(); }

Heard LineListener::verdict() const {
  if (reply_) return *reply_;
  if (other_bytes_ || echo_cut_short()) return {Answer::Unreadable, {}, {}};
  if (whole_echo_) return {Answer::EchoOnly, {}, {}};
  return {};
}

}  // namespace m27
