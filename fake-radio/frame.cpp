// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake-radio/frame.h"

#include <algorithm>
#include <numeric>

namespace m27::fake {
namespace {

// The data length of each request; nullopt for a byte that is no request command.
std::optional<std::size_t> data_length(std::uint8_t command) {
  switch (static_cast<Command>(command)) {
    case Command::kEnd:
      return 0;
    case Command::kMonitor:
      return 1;
    case Command::kChannelRead:
    case Command::kOptionRead:
    case Command::kRssiRead:
    case Command::kIdRead:
      return 3;
    case Command::kIdWrite:
      return 4;
    case Command::kOptionWrite:
      return 6;
    case Command::kRssiAdjust:
      return 8;
    case Command::kChannelWrite:
      return 9;
  }
  return std::nullopt;
}

}  // namespace

std::uint8_t checksum(std::span<const std::uint8_t> command_length_and_data) {
  return static_cast<std::uint8_t>(
      std::accumulate(command_length_and_data.begin(), command_length_and_data.end(), 0u));
}

Frame make_frame(std::uint8_t command, std::span<const std::uint8_t> data) {
  Frame frame;
  frame.reserve(data.size() + 3);
  frame.push_back(command);
  frame.push_back(static_cast<std::uint8_t>(data.size()));
  frame.insert(frame.end(), data.begin(), data.end());
  frame.push_back(checksum(frame));
  return frame;
}

std::optional<Request> RequestParser::next() {
  while (!pending_.empty()) {
    const auto length = announced_length();
    if (!length) {
      skip_first();
      continue;
    }
    if (*length == 0 || pending_.size() < *length) return std::nullopt;
    if (!checksum_matches(*length)) {
      skip_first();
      continue;
    }
    Request request;
    for (std::size_t i = 0; i < *length; ++i) request.bytes.push_back(pending_[i].byte);
    // A pseudo-terminal hands over a whole request at once; on the cable it takes its line time.
    request.line_end = std::max(pending_.front().at + line_time(*length), pending_[*length - 1].at);
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(*length));
    return request;
  }
  return std::nullopt;
}

std::optional<std::size_t> RequestParser::announced_length() const {
  const auto data = data_length(pending_[0].byte);
  if (!data) return std::nullopt;
  if (pending_.size() < 2) return 0;
  if (pending_[1].byte != *data) return std::nullopt;
  return *data + 3;
}

bool RequestParser::checksum_matches(std::size_t length) const {
  unsigned sum = 0;
  for (std::size_t i = 0; i + 1 < length; ++i) sum += pending_[i].byte;
  return static_cast<std::uint8_t>(sum) == pending_[length - 1].byte;
}

void RequestParser::skip_first() {
  pending_.erase(pending_.begin());
  ++skipped_;
}

}  // namespace m27::fake
