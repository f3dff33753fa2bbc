// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/link.h"

#include <algorithm>
#include <utility>

#include "channels/words.h"

namespace m27 {
namespace {

// The third time-out of a sequence gives up (the count goes past 2).
constexpr int kRetryLimit = 2;

// 55 01 00 56: the radio stops its test-mode stream. No reply; the interval only bounds the
// wait for it to leave the port.
constexpr std::uint8_t kMonitorCommand = 0x55;
constexpr std::chrono::seconds kStopBound{1};

Duration line_time(const Frame& frame) { return kByteTime * wire_size(frame); }

Request stop_stream_request() {
  return Request{.frame = make_frame(kMonitorCommand, {0}),
                 .interval = kStopBound,
                 .await_reply = false,
                 .stream = StreamChange::Stops};
}

}  // namespace

bool Link::start(TimePoint now, std::unique_ptr<Operation> operation) {
  if (busy()) return false;
  operation_ = std::move(operation);
  retry_cnt = 0;
  if (auto refusal = operation_->refusal()) {
    finish({Ending::Refused, {std::move(*refusal)}});
    return true;
  }
  if (!port_open_) {
    finish({Ending::Refused, {operation_->port_closed()}});
    return true;
  }
  Request first = operation_->begin(out_);
  monitor_ = first.stream == StreamChange::Starts;
  if (first.stream == StreamChange::None && stream_may_run_) {
    deferred_ = std::move(first);
    stopping_stream_ = true;
    first = stop_stream_request();
  }
  proceed(now, std::move(first));
  return true;
}

void Link::cancel() {
  if (busy()) finish(operation_->on_cancel());
}

void Link::interrupt() {
  if (busy()) interrupted_ = true;
}

void Link::on_bytes(TimePoint now, std::span<const std::uint8_t> bytes) {
  if (phase_ == Phase::Settling && now >= deadline_) settled(now);  // its timer is just late
  // While the request is going out and settling, input is thrown away unread.
  if (phase_ == Phase::Sending || phase_ == Phase::Settling) {
    on_discarded(now, bytes);
    return;
  }
  report(now, bytes, Intake::Taken);
  receive(now, bytes);
}

void Link::on_discarded(TimePoint now, std::span<const std::uint8_t> bytes) {
  report(now, bytes, Intake::Dropped);
}

void Link::report(TimePoint now, std::span<const std::uint8_t> bytes, Intake intake) {
  if (bytes.empty()) return;
  out_.push_back(Received{{bytes.begin(), bytes.end()}, intake, now - left_line_});
}

void Link::on_written(TimePoint now) {
  if (phase_ != Phase::Sending) return;
  left_line_ = std::max(now, sent_at_ + line_time(request_.frame));
  attempt_deadline_ = left_line_ + request_.interval;
  deadline_ = left_line_ + kSettle;
  phase_ = Phase::Settling;
}

void Link::on_timer(TimePoint now) {
  if (phase_ == Phase::Idle || now < deadline_) return;
  if (phase_ == Phase::Settling) {
    settled(now);
    return;
  }
  on_tick(now);
}

void Link::on_port_lost() {
  port_open_ = false;
  monitor_ = false;
  stream_may_run_ = false;
  rx_.reset();
  if (busy()) finish({Ending::PortLost, {}});
  out_.push_back(PortLost{attention(M27_WORDS("link", "串口已断开，请检查数据线"))});
}

const char* Link::phase_name() const {
  switch (phase_) {
    case Phase::Sending:
      return "sending";
    case Phase::Settling:
      return "settling";
    case Phase::Awaiting:
      return "awaiting";
    case Phase::Idle:
      break;
  }
  return "idle";
}

std::optional<TimePoint> Link::next_deadline() const {
  if (phase_ == Phase::Idle) return std::nullopt;
  return deadline_;
}

std::optional<Event> Link::poll() {
  queue_.insert(queue_.end(), std::make_move_iterator(out_.begin()),
                std::make_move_iterator(out_.end()));
  out_.clear();
  if (queue_.empty()) return std::nullopt;
  Event e = std::move(queue_.front());
  queue_.pop_front();
  return e;
}

void Link::send(TimePoint now) {
  out_.push_back(Send{wire_bytes(request_.frame)});
  if (request_.stream == StreamChange::Starts) stream_may_run_ = true;
  if (request_.stream == StreamChange::Stops) stream_may_run_ = false;
  sent_at_ = now;
  left_line_ = now + line_time(request_.frame);
  phase_ = Phase::Sending;
  // A port that never reports the bytes written fails the attempt instead of hanging it.
  deadline_ = attempt_deadline_ = now + line_time(request_.frame) + request_.interval;
}

void Link::settled(TimePoint now) {
  out_.push_back(DiscardInput{});
  rx_.reset();  // a frame cut off earlier must not swallow the start of this reply
  if (!request_.await_reply) {
    sent(now);
    return;
  }
  phase_ = Phase::Awaiting;
  deadline_ = attempt_deadline_;
}

void Link::on_tick(TimePoint now) {
  if (!request_.await_reply) {  // a request without reply that never got out: go on all the same
    sent(now);
    return;
  }
  if (interrupted_) {
    finish({Ending::Interrupted, {}});
    return;
  }
  if (++retry_cnt > kRetryLimit || request_.single_try) {
    finish(operation_->on_timeout());
    return;
  }
  send(now);
}

void Link::proceed(TimePoint now, Next next) {
  if (auto* finished = std::get_if<Finished>(&next)) {
    finish(std::move(*finished));
    return;
  }
  if (interrupted_) {
    finish({Ending::Interrupted, {}});
    return;
  }
  request_ = std::get<Request>(std::move(next));
  send(now);
}

void Link::sent(TimePoint now) {
  if (stopping_stream_) {
    stopping_stream_ = false;
    proceed(now, *std::exchange(deferred_, std::nullopt));
    return;
  }
  proceed(now, operation_->on_sent(out_));
}

void Link::answered(TimePoint now, const Frame& reply) {
  retry_cnt = kRetryLimit;
  proceed(now, operation_->on_reply(reply, out_));
}

void Link::finish(Finished finished) {
  out_.push_back(std::move(finished));
  operation_.reset();
  stopping_stream_ = false;
  deferred_.reset();
  interrupted_ = false;
  phase_ = Phase::Idle;
}

// The first good frame long enough ends the wait; the rest of the chunk belongs to no request
// and is dropped with the input the next request's settle window discards.
void Link::receive(TimePoint now, std::span<const std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) {
    auto frame = rx_.receive_byte(b);
    if (!frame) continue;
    if (monitor_) {
      out_.push_back(MonitorPacket{*frame});
      continue;
    }
    if (phase_ != Phase::Awaiting || !request_.await_reply) continue;
    if (static_cast<int>(frame->data.size()) < request_.min_reply_data) continue;
    answered(now, *frame);
    return;
  }
}

}  // namespace m27
