// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake-radio/radio_line.h"

#include <algorithm>

namespace m27::fake {
namespace {

std::optional<TimePoint> earliest(std::optional<TimePoint> a, std::optional<TimePoint> b) {
  if (!a) return b;
  if (!b) return a;
  return std::min(*a, *b);
}

}  // namespace

RadioLine::RadioLine(Memory first, Options options, std::optional<Duration> swap_after)
    : options_(options), swap_after_(swap_after) {
  put(first, options_);
}

void RadioLine::receive(TimePoint now, std::span<const std::uint8_t> bytes) {
  swap_when_due(now);
  if (!radio_) return;
  radio_->receive(now, bytes);
  if (swap_after_ && !swap_armed_ && radio_->numbered_at()) {
    swap_armed_ = true;
    unplug_at_ = *radio_->numbered_at() + *swap_after_;
  }
}

std::optional<TimePoint> RadioLine::next_deadline() const {
  const auto radio_due = radio_ ? radio_->next_deadline() : std::nullopt;
  return earliest(earliest(radio_due, unplug_at_), plug_at_);
}

// What the radio sends before it is unplugged still reaches the PC.
std::vector<std::uint8_t> RadioLine::transmit(TimePoint now) {
  std::vector<std::uint8_t> bytes;
  if (radio_) bytes = radio_->transmit(unplug_at_ ? std::min(now, *unplug_at_) : now);
  swap_when_due(now);
  return bytes;
}

void RadioLine::unplug() {
  unplug_at_.reset();
  plug_at_.reset();
  if (!radio_) return;
  unplugged_.push_back(radio_->memory());
  radio_.reset();
}

void RadioLine::plug(std::uint32_t id, std::optional<Fault> fault) {
  unplug();
  Memory memory = default_memory();
  memory.id = id;
  Options options = options_;
  if (fault) options.fault = *fault;
  put(memory, options);
}

const Memory& RadioLine::last_memory() const {
  return radio_ ? radio_->memory() : unplugged_.back();
}

void RadioLine::put(Memory memory, Options options) {
  radio_.emplace(memory, options);
  ++plugged_;
  swap_armed_ = false;
}

void RadioLine::swap_when_due(TimePoint now) {
  if (unplug_at_ && *unplug_at_ <= now) {
    const TimePoint unplugged_at = *unplug_at_;
    unplug();
    plug_at_ = unplugged_at + *swap_after_;
  }
  if (plug_at_ && *plug_at_ <= now) plug(0);
}

}  // namespace m27::fake
