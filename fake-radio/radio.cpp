// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake-radio/radio.h"

#include <algorithm>
#include <array>
#include <utility>

#include "fake-radio/garbage.h"

namespace m27::fake {
namespace {

Frame acknowledgement() { return make_frame(kAcknowledge, {}); }

Frame data_reply(std::span<const std::uint8_t> data) { return make_frame(kDataReply, data); }

// What the `trailing` fault sends right behind each frame: the start of a channel record reply.
constexpr std::uint8_t kTrailingBytes[] = {kDataReply, 0x07, 0x27, 0x1A, 0x27};

std::array<std::uint8_t, 4> id_bytes(std::uint32_t id) {
  return {static_cast<std::uint8_t>(id >> 24), static_cast<std::uint8_t>(id >> 16),
          static_cast<std::uint8_t>(id >> 8), static_cast<std::uint8_t>(id)};
}

std::uint32_t id_from(std::span<const std::uint8_t> bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
         std::uint32_t{bytes[2]} << 8 | std::uint32_t{bytes[3]};
}

// The receive frequency one raster step higher than written.
void spoil(ChannelRecord& record) {
  const auto count = static_cast<std::uint16_t>((record[0] << 8 | record[1]) + 1);
  record[0] = static_cast<std::uint8_t>(count >> 8);
  record[1] = static_cast<std::uint8_t>(count);
}

}  // namespace

Radio::Radio(Memory memory, Options options) : memory_(memory), options_(options) {
  if (options_.fault.kind == Fault::Kind::kSlow) {
    options_.reply_delay = std::chrono::milliseconds(options_.fault.parameter);
  }
}

void Radio::receive(TimePoint now, std::span<const std::uint8_t> bytes) {
  generate_until(now);
  for (std::uint8_t byte : bytes) {
    if (echoes()) send_byte(byte, now);
    parser_.feed(byte, now);
    while (auto request = parser_.next()) handle(*request);
  }
}

std::optional<TimePoint> Radio::next_deadline() const {
  std::optional<TimePoint> deadline;
  if (!output_.empty()) deadline = output_.front().at;
  const auto generated = next_generated();
  if (generated && (!deadline || *generated < *deadline)) deadline = generated;
  return deadline;
}

std::vector<std::uint8_t> Radio::transmit(TimePoint now) {
  generate_until(now);
  std::vector<std::uint8_t> bytes;
  while (!output_.empty() && output_.front().at <= now) {
    bytes.push_back(output_.front().byte);
    output_.pop_front();
  }
  return bytes;
}

void Radio::handle(const Request& request) {
  request_log_.push_back(request.bytes);
  if (options_.fault.kind == Fault::Kind::kVanish &&
      requests_served_ >= static_cast<std::size_t>(options_.fault.parameter)) {
    vanished_ = true;
  }
  if (!serves_another()) return;
  ++requests_served_;
  auto reply = execute(request);
  if (options_.fault.kind == Fault::Kind::kGarbage) {
    garbage_running_ = true;
    next_garbage_ = request.line_end;
    return;
  }
  if (!reply) return;
  ++requests_answered_;
  send_frame(std::move(*reply), reply_start(request.line_end));
  if (request.command() == Command::kIdRead && id_written_ && !numbered_at_) {
    numbered_at_ = line_free_;
  }
}

bool Radio::echoes() const {
  return options_.fault.kind == Fault::Kind::kEcho || options_.fault.kind == Fault::Kind::kEchoOnly;
}

bool Radio::serves_another() const {
  switch (options_.fault.kind) {
    case Fault::Kind::kSilent:
    case Fault::Kind::kEchoOnly:
      return false;
    case Fault::Kind::kSilentAfter:
      return requests_served_ < static_cast<std::size_t>(options_.fault.parameter);
    case Fault::Kind::kVanish:
      return !vanished_;
    case Fault::Kind::kGarbage:
      return requests_served_ == 0;
    default:
      return true;
  }
}

std::optional<Frame> Radio::execute(const Request& request) {
  const auto data = request.data();
  switch (request.command()) {
    case Command::kOptionRead:
      return data_reply(memory_.options);
    case Command::kChannelRead:
      if (data[0] >= kChannelCount) return std::nullopt;
      return data_reply(memory_.channels[data[0]]);
    case Command::kRssiRead: {
      const std::array<std::uint8_t, 4> record = {0, 0, memory_.rssi_narrow, memory_.rssi_wide};
      return data_reply(record);
    }
    case Command::kIdRead:
      return data_reply(id_bytes(memory_.id));
    case Command::kOptionWrite:
      std::copy_n(data.begin() + 2, memory_.options.size(), memory_.options.begin());
      return acknowledgement();
    case Command::kChannelWrite:
      if (data[0] >= kChannelCount) return std::nullopt;
      std::copy_n(data.begin() + 2, ChannelRecord{}.size(), memory_.channels[data[0]].begin());
      if (options_.fault.kind == Fault::Kind::kStoreWrong && data[0] == options_.fault.parameter) {
        spoil(memory_.channels[data[0]]);
      }
      return acknowledgement();
    case Command::kRssiAdjust:
      memory_.rssi_narrow = data[4];
      memory_.rssi_wide = data[5];
      return acknowledgement();
    case Command::kIdWrite:
      memory_.id = id_from(data);
      id_written_ = true;
      return acknowledgement();
    case Command::kEnd:
      ++end_packets_;
      return std::nullopt;
    case Command::kMonitor:
      start_monitor(data[0], reply_start(request.line_end));
      return std::nullopt;
  }
  return std::nullopt;
}

void Radio::start_monitor(std::uint8_t mode, TimePoint start) {
  if (mode > static_cast<std::uint8_t>(MonitorMode::kBattery)) return;
  monitor_mode_ = static_cast<MonitorMode>(mode);
  monitor_count_ = 0;
  next_monitor_ = start;
}

TimePoint Radio::reply_start(TimePoint line_end) const {
  if (options_.fault.kind == Fault::Kind::kEarly) return line_end + kEarlyReply;
  return line_end + kSettle + options_.reply_delay;
}

void Radio::send_frame(Frame frame, TimePoint start) {
  if (options_.fault.kind == Fault::Kind::kBadChecksum) ++frame.back();
  if (options_.fault.kind == Fault::Kind::kCutOff) frame.resize(frame.size() / 2);
  if (options_.fault.kind == Fault::Kind::kTrailing) {
    frame.insert(frame.end(), std::begin(kTrailingBytes), std::end(kTrailingBytes));
  }
  for (std::uint8_t byte : frame) send_byte(byte, start);
  reply_log_.push_back(std::move(frame));
}

// Paced, a byte is on the line for one byte time and arrives at the end of it.
void Radio::send_byte(std::uint8_t byte, TimePoint at) {
  const TimePoint starts = std::max(at, line_free_);
  const TimePoint due = options_.paced ? starts + kByteTime : starts;
  output_.push_back({due, byte});
  line_free_ = due;
}

void Radio::generate_until(TimePoint now) {
  if (garbage_running_) {
    for (; next_garbage_ <= now; next_garbage_ += kByteTime) {
      send_byte(garbage_byte(garbage_count_++), next_garbage_);
    }
    return;
  }
  for (; monitor_mode_ != MonitorMode::kOff && next_monitor_ <= now;
       next_monitor_ += kMonitorPeriod) {
    send_frame(make_frame(kMonitorPacket, monitor_data(monitor_mode_, monitor_count_++)),
               next_monitor_);
  }
}

std::optional<TimePoint> Radio::next_generated() const {
  if (garbage_running_) return next_garbage_;
  if (monitor_mode_ != MonitorMode::kOff) return next_monitor_;
  return std::nullopt;
}

}  // namespace m27::fake
