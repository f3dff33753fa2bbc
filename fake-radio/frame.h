// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Frames as the radio sees them: command, length N, N data bytes, checksum = (command + N + data)
// mod 256. Requests are recognised by their command byte and the length that command always has.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "fake-radio/clock.h"

namespace m27::fake {

enum class Command : std::uint8_t {
  kEnd = 0x45,
  kChannelRead = 0x52,
  kOptionRead = 0x53,
  kRssiRead = 0x54,
  kMonitor = 0x55,
  kChannelWrite = 0x57,
  kOptionWrite = 0x58,
  kRssiAdjust = 0x59,
  kIdWrite = 0x5A,
  kIdRead = 0x5B,
};

using Frame = std::vector<std::uint8_t>;

std::uint8_t checksum(std::span<const std::uint8_t> command_length_and_data);
Frame make_frame(std::uint8_t command, std::span<const std::uint8_t> data);

struct Request {
  Frame bytes;         // the whole frame, checksum included
  TimePoint line_end;  // when its last byte was through the 9600-baud line
  Command command() const { return static_cast<Command>(bytes[0]); }
  std::span<const std::uint8_t> data() const { return std::span(bytes).subspan(2, bytes[1]); }
};

// Collects bytes from the PC and cuts requests out of them. A byte that cannot begin a request
// (an unknown command, a length that command never has, a checksum that does not match) is
// skipped, and the search starts again at the byte after it.
class RequestParser {
 public:
  void feed(std::uint8_t byte, TimePoint now) { pending_.push_back({byte, now}); }
  std::optional<Request> next();
  std::size_t skipped() const { return skipped_; }

 private:
  struct Arrival {
    std::uint8_t byte;
    TimePoint at;
  };
  // The frame length the pending bytes announce; 0 while too few bytes tell, nullopt when the
  // first byte cannot begin a request.
  std::optional<std::size_t> announced_length() const;
  bool checksum_matches(std::size_t length) const;
  void skip_first();

  std::vector<Arrival> pending_;
  std::size_t skipped_ = 0;
};

}  // namespace m27::fake
