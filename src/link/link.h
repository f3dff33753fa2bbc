#pragma once
// The link engine, free of any port, timer or clock: the driver feeds it bytes, "written" and
// timer events with the time they happened, and carries out the actions it polls.
//
// One exchange: send -> the output queue empties -> 20 ms settle from the moment the last byte
// left the line (input discarded) -> await a frame until `interval` after the request left the
// line -> on a time-out send again; the third time-out of a sequence gives up. After the first
// answered exchange of a sequence every later one gets a single try.

#include <deque>
#include <memory>
#include <optional>
#include <span>

#include "link/operation.h"

namespace m27 {

// 10 bits a byte at 9600 baud.
inline constexpr Duration kByteTime = std::chrono::nanoseconds(1'041'667);
// The radio's answer starts no earlier than this after the request has left the line; anything
// received before, such as an echo of the request by the cable, is discarded.
inline constexpr Duration kSettle = std::chrono::milliseconds(20);

class Link {
 public:
  // Starts a sequence; refused (false) while another one runs.
  bool start(TimePoint now, std::unique_ptr<Operation> operation);
  // Ends the running sequence through the operation's cancel path.
  void cancel();

  void on_bytes(TimePoint now, std::span<const std::uint8_t> bytes);
  void on_written(TimePoint now);
  void on_timer(TimePoint now);

  std::optional<TimePoint> next_deadline() const;
  std::optional<Action> poll();

  bool busy() const { return operation_ != nullptr; }
  void set_port_open(bool open) { state_.port_open = open; }
  void set_monitor(bool on) { state_.monitor_flag = on; }
  const LinkState& state() const { return state_; }

 private:
  enum class Phase { Idle, Sending, Settling, Awaiting };

  void send(TimePoint now);
  void settled(TimePoint now);
  void on_tick(TimePoint now);
  void proceed(TimePoint now, std::optional<Request> next);
  void finish();
  void receive(std::span<const std::uint8_t> bytes);

  LinkState state_;
  std::unique_ptr<Operation> operation_;
  Request request_;
  Phase phase_ = Phase::Idle;
  int retry_cnt = 0;
  TimePoint sent_at_{};
  TimePoint attempt_deadline_{};
  TimePoint deadline_{};
  std::vector<Action> out_;
  std::deque<Action> queue_;
};

}  // namespace m27
