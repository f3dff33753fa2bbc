// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The link engine, free of any port, timer or clock: the driver feeds it bytes, "written" and
// timer events with the time they happened, carries out the port requests it polls and hands on
// the events.
//
// One exchange: send -> the output queue empties -> 20 ms settle from the moment the last byte
// left the line (input discarded) -> await a frame until `interval` after the request left the
// line -> on a time-out send again; the third time-out of a sequence gives up. After the first
// answered exchange of a sequence every later one gets a single try, as does a request that asks
// for one (a series station's probe for a radio).
//
// A sequence starts only on an open port: on a closed one it is refused at once, with its own
// message, before anything is queued. Every sequence ends with exactly one Finished.
//
// The link owns the receive machine and the test mode: while a monitor runs, every good frame
// is a MonitorPacket; when a sequence starts while a stream the link started may still run, the
// stop request goes out first (settle, input discarded), so no packet is taken for a reply.

#include <deque>
#include <memory>
#include <optional>
#include <span>

#include "link/operation.h"
#include "link/receiver.h"

namespace m27 {

// 10 bits a byte at 9600 baud.
inline constexpr Duration kByteTime = std::chrono::nanoseconds(1'041'667);
// The radio's answer starts no earlier than this after the request has left the line; anything
// received before, such as an echo of the request by the cable, is discarded.
inline constexpr Duration kSettle = std::chrono::milliseconds(20);

class Link {
 public:
  // Starts a sequence; refused (false) while another one runs. A sequence that refuses its own
  // values, or finds the port closed, starts and finishes at once (Finished Refused).
  bool start(TimePoint now, std::unique_ptr<Operation> operation);
  // Ends the running sequence at once through the operation's cancel path.
  void cancel();
  // Ends the running sequence once the exchange in flight is over (Finished Interrupted): nothing
  // more is sent, no attempt repeated. A sequence that completes with that exchange completes.
  void interrupt();

  // Bytes came in; each chunk is reported (Received), taken or dropped by the settle window.
  void on_bytes(TimePoint now, std::span<const std::uint8_t> bytes);
  // What the driver found unread when the settle window ended (DiscardInput): dropped.
  void on_discarded(TimePoint now, std::span<const std::uint8_t> bytes);
  void on_written(TimePoint now);
  void on_timer(TimePoint now);
  // The port failed (a read or write error, a device that vanished): the running sequence ends
  // at once (Finished PortLost) and the lost port is named (PortLost); the port counts as closed
  // from now on.
  void on_port_lost();

  std::optional<TimePoint> next_deadline() const;
  std::optional<Event> poll();

  bool busy() const { return operation_ != nullptr; }
  void set_port_open(bool open) { port_open_ = open; }
  // Whether every good frame goes to the test-mode window.
  bool monitoring() const { return monitor_; }
  // Whether the link started a test-mode stream and has not stopped it since.
  bool stream_may_run() const { return stream_may_run_; }
  // Where the exchange in flight stands, in a word ("idle", "sending", "settling", "awaiting"),
  // for a diagnosis.
  const char* phase_name() const;

 private:
  enum class Phase { Idle, Sending, Settling, Awaiting };

  void send(TimePoint now);
  void settled(TimePoint now);
  void on_tick(TimePoint now);
  void proceed(TimePoint now, Next next);
  void sent(TimePoint now);
  void answered(TimePoint now, const Frame& reply);
  void finish(Finished finished);
  void receive(TimePoint now, std::span<const std::uint8_t> bytes);
  void report(TimePoint now, std::span<const std::uint8_t> bytes, Intake intake);

  bool port_open_ = false;
  bool monitor_ = false;
  bool stream_may_run_ = false;
  ReceiveMachine rx_;
  std::unique_ptr<Operation> operation_;
  Request request_;
  bool stopping_stream_ = false;     // request_ is the link's own stop request
  std::optional<Request> deferred_;  // the operation's first request, after the stop request
  bool interrupted_ = false;         // the sequence ends after the exchange in flight
  Phase phase_ = Phase::Idle;
  int retry_cnt = 0;
  TimePoint sent_at_{};
  TimePoint left_line_{};  // when the request's last byte left the line
  TimePoint attempt_deadline_{};
  TimePoint deadline_{};
  std::vector<Event> out_;
  std::deque<Event> queue_;
};

}  // namespace m27
