#include "link/link.h"

#include <algorithm>

#include "channels/message.h"

namespace m27 {
namespace {

// The third time-out of a sequence gives up (the count goes past 2).
constexpr int kRetryLimit = 2;

Duration line_time(const Frame& frame) { return kByteTime * frame.tx_cnt; }

}  // namespace

bool Link::start(TimePoint now, std::unique_ptr<Operation> operation) {
  if (busy()) return false;
  operation_ = std::move(operation);
  retry_cnt = 0;
  auto first = operation_->begin(state_, out_);
  proceed(now, std::move(first));
  return true;
}

void Link::cancel() {
  if (!busy()) return;
  operation_->on_cancel(out_);
  finish();
}

void Link::on_bytes(TimePoint now, std::span<const std::uint8_t> bytes) {
  if (phase_ == Phase::Settling && now >= deadline_) settled(now);  // its timer is just late
  // While the request is going out and settling, input is thrown away unread.
  if (phase_ == Phase::Sending || phase_ == Phase::Settling) return;
  receive(bytes);
  if (phase_ != Phase::Awaiting || !state_.rx.pkt_ok) return;
  if (state_.rx.rx_count < request_.min_reply_data) {
    state_.rx.pkt_ok = false;  // too short to be the record asked for
    return;
  }
  retry_cnt = kRetryLimit;
  proceed(now, operation_->next(state_, out_));
}

void Link::on_written(TimePoint now) {
  if (phase_ != Phase::Sending) return;
  const TimePoint left_line = std::max(now, sent_at_ + line_time(request_.frame));
  attempt_deadline_ = left_line + request_.interval;
  deadline_ = left_line + kSettle;
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

std::optional<TimePoint> Link::next_deadline() const {
  if (phase_ == Phase::Idle) return std::nullopt;
  return deadline_;
}

std::optional<Action> Link::poll() {
  queue_.insert(queue_.end(), std::make_move_iterator(out_.begin()),
                std::make_move_iterator(out_.end()));
  out_.clear();
  if (queue_.empty()) return std::nullopt;
  Action a = std::move(queue_.front());
  queue_.pop_front();
  return a;
}

void Link::send(TimePoint now) {
  if (!state_.port_open) {
    out_.push_back(ShowMessage{attention("请设置串口")});
    phase_ = Phase::Awaiting;
    deadline_ = attempt_deadline_ = now + request_.interval;
    if (!request_.await_reply) proceed(now, operation_->next(state_, out_));
    return;
  }
  out_.push_back(Send{wire_bytes(request_.frame)});
  sent_at_ = now;
  phase_ = Phase::Sending;
  // A port that never reports the bytes written fails the attempt instead of hanging it.
  deadline_ = attempt_deadline_ = now + line_time(request_.frame) + request_.interval;
}

void Link::settled(TimePoint now) {
  out_.push_back(DiscardInput{});
  state_.rx.reset();  // a frame cut off earlier must not swallow the start of this reply
  if (!request_.await_reply) {
    proceed(now, operation_->next(state_, out_));
    return;
  }
  state_.rx.pkt_ok = false;
  phase_ = Phase::Awaiting;
  deadline_ = attempt_deadline_;
}

void Link::on_tick(TimePoint now) {
  if (!request_.await_reply) {  // a request without reply that never got out: go on all the same
    proceed(now, operation_->next(state_, out_));
    return;
  }
  ++retry_cnt;
  if (retry_cnt > kRetryLimit) {
    operation_->on_timeout(out_);
    finish();
    return;
  }
  send(now);
}

void Link::proceed(TimePoint now, std::optional<Request> next) {
  if (!next) {
    finish();
    return;
  }
  request_ = std::move(*next);
  send(now);
}

void Link::finish() {
  out_.push_back(Finished{operation_->succeeded()});
  operation_.reset();
  phase_ = Phase::Idle;
}

void Link::receive(std::span<const std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) {
    state_.rx.receive_byte(b);
    if (state_.monitor_flag && state_.rx.pkt_ok) {
      state_.rx.pkt_ok = false;
      out_.push_back(MonitorPacket{state_.rx.rx_data});
    }
  }
}

}  // namespace m27
