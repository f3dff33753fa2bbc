// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A model of the radio's side of the link, driven by virtual time: bytes from the PC go in with
// the time they arrived, bytes to the PC come out when they are due. It never touches a clock,
// a port or a file.
//
// Replies (command byte, then data):
//   option read 0x53   -> 0x44 with the 3-byte option record
//   channel read 0x52  -> 0x44 with the 7-byte channel record of the row (no reply above row 24)
//   RSSI read 0x54     -> 0x44 with 00 00 narrow wide
//   ID read 0x5B       -> 0x44 with the 4 ID bytes, most significant first
//   option write 0x58, channel write 0x57 (not above row 24), RSSI adjust 0x59, ID write 0x5A
//                      -> stored, then the acknowledgement 41 00 41
//   end 0x45           -> counted, no reply
//   monitor 0x55 m     -> no reply; mode 1 or 2 starts the 0x3D monitor packets (monitor.h), 0
//   stops
//
// Timing: a request's last byte is taken as through the line at (arrival of its first byte +
// its length x 1.0417 ms), or later if it really came later. The reply starts 20 ms (the
// program's settle window) + `reply_delay` after that; paced, its bytes follow one per 1.0417 ms,
// unpaced they are all due at the start. Frames never overtake one another on the line.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

#include "fake-radio/clock.h"
#include "fake-radio/fault.h"
#include "fake-radio/frame.h"
#include "fake-radio/memory.h"
#include "fake-radio/monitor.h"

namespace m27::fake {

inline constexpr std::uint8_t kDataReply = 0x44;
inline constexpr std::uint8_t kAcknowledge = 0x41;
inline constexpr std::uint8_t kMonitorPacket = 0x3D;

// How much earlier than the settle window ends the `early` fault answers.
inline constexpr Duration kEarlyReply = std::chrono::milliseconds(5);

struct Options {
  bool paced = false;  // emit reply bytes at 9600 baud: one byte per 1.0417 ms
  Duration reply_delay = std::chrono::milliseconds(30);  // after the 20 ms settle window
  Fault fault{};  // `slow=MS` replaces reply_delay by MS milliseconds
};

class Radio {
 public:
  Radio(Memory memory, Options options);

  // Bytes from the PC that arrived at `now`.
  void receive(TimePoint now, std::span<const std::uint8_t> bytes);
  // When the next byte to the PC is due; nullopt while the radio has nothing to say.
  std::optional<TimePoint> next_deadline() const;
  // Every byte due at or before `now`, in order.
  std::vector<std::uint8_t> transmit(TimePoint now);

  const Memory& memory() const { return memory_; }
  // Under the `vanish` fault: a request came after the last one it serves; its side of the line
  // is to close now.
  bool vanished() const { return vanished_; }
  MonitorMode monitor_mode() const { return monitor_mode_; }
  // When the reply that read back a written ID has left the radio: from then on the radio is
  // numbered. nullopt until an ID read follows an ID write.
  std::optional<TimePoint> numbered_at() const { return numbered_at_; }

  // Valid requests received (whether served or not, e.g. under a fault), in order.
  const std::vector<Frame>& request_log() const { return request_log_; }
  std::size_t requests_seen() const { return request_log_.size(); }
  // Requests that were given a reply frame (the end packet and monitor requests never are).
  std::size_t requests_answered() const { return requests_answered_; }
  std::size_t end_packets() const { return end_packets_; }
  // Received bytes that belonged to no valid request.
  std::size_t bytes_skipped() const { return parser_.skipped(); }
  // Every frame queued for the PC (replies and monitor packets, as sent, faults included).
  const std::vector<Frame>& reply_log() const { return reply_log_; }

 private:
  struct Due {
    TimePoint at;
    std::uint8_t byte;
  };

  void handle(const Request& request);
  bool echoes() const;
  bool serves_another() const;
  std::optional<Frame> execute(const Request& request);
  void start_monitor(std::uint8_t mode, TimePoint start);
  TimePoint reply_start(TimePoint line_end) const;
  void send_frame(Frame frame, TimePoint start);
  void send_byte(std::uint8_t byte, TimePoint at);
  // Queues the monitor packets and the garbage that are due up to `now`.
  void generate_until(TimePoint now);
  std::optional<TimePoint> next_generated() const;

  Memory memory_;
  Options options_;
  RequestParser parser_;
  std::deque<Due> output_;
  TimePoint line_free_{};  // the earliest time the next byte can go out

  MonitorMode monitor_mode_ = MonitorMode::kOff;
  unsigned monitor_count_ = 0;
  TimePoint next_monitor_{};

  bool garbage_running_ = false;
  std::size_t garbage_count_ = 0;
  TimePoint next_garbage_{};

  bool vanished_ = false;
  bool id_written_ = false;
  std::optional<TimePoint> numbered_at_;
  std::size_t requests_served_ = 0;
  std::size_t requests_answered_ = 0;
  std::size_t end_packets_ = 0;
  std::vector<Frame> request_log_;
  std::vector<Frame> reply_log_;
};

}  // namespace m27::fake
