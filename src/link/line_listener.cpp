// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/line_listener.h"

#include <algorithm>

namespace m27 {

void LineListener::hear(const Event& event) {
  if (const auto* send = std::get_if<Send>(&event)) sent(*send);
  if (const auto* in = std::get_if<Received>(&event); in && asked_) received(*in);
}

void LineListener::sent(const Send& send) {
  if (echo_cut_short()) other_bytes_ = true;
  asked_ = std::ranges::equal(send.bytes, request_);
  echoed_ = 0;
  echo_broken_ = false;
  rx_.reset();  // nothing reaches it before the request has settled, as in the link
  early_rx_.reset();
}

void LineListener::received(const Received& in) {
  for (std::uint8_t b : in.bytes) {
    if (reply_) return;
    other_bytes_ = !echo(b) || other_bytes_;
    if (in.intake == Intake::Dropped) {
      early_reply_ = is_reply(early_rx_.receive_byte(b)) || early_reply_;
      continue;
    }
    const auto frame = rx_.receive_byte(b);
    if (is_reply(frame)) reply_ = Heard{Answer::Reply, *frame, in.after_request};
  }
}

// Whether `b` is the next byte of the request's echo.
bool LineListener::echo(std::uint8_t b) {
  if (echo_broken_ || echoed_ >= request_.size()) return false;
  echo_broken_ = b != request_[echoed_];
  if (echo_broken_) return false;
  whole_echo_ = ++echoed_ == request_.size() || whole_echo_;
  return true;
}

bool LineListener::is_reply(const std::optional<Frame>& frame) const {
  return frame && static_cast<int>(frame->data.size()) >= min_reply_data_;
}

bool LineListener::echo_cut_short() const { return echoed_ > 0 && echoed_ < request_.size(); }

Heard LineListener::verdict() const {
  if (reply_) return *reply_;
  if (early_reply_) return {Answer::TooEarly, {}, {}};
  if (other_bytes_ || echo_cut_short()) return {Answer::Unreadable, {}, {}};
  if (whole_echo_) return {Answer::EchoOnly, {}, {}};
  return {};
}

}  // namespace m27
