// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio end of the programming cable, where radios come and go one after another, as on a
// dealer's bench: at most one radio is plugged in; while none is, every byte from the PC is lost
// and nothing answers. Driven by virtual time, like the radio itself.
//
// A swap can come from outside (`unplug`, `plug`) or by itself: with `swap_after`, a radio whose
// written ID has been read back is unplugged that long after the reply left it, and a fresh
// radio with ID 0 is plugged in the same time later. Either command cancels a swap under way.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "fake-radio/radio.h"

namespace m27::fake {

class RadioLine {
 public:
  // `first` is plugged in from the start; every radio plugged later has `options` too.
  RadioLine(Memory first, Options options, std::optional<Duration> swap_after = std::nullopt);

  // As the radio's: bytes that reach no radio are lost.
  void receive(TimePoint now, std::span<const std::uint8_t> bytes);
  std::optional<TimePoint> next_deadline() const;
  std::vector<std::uint8_t> transmit(TimePoint now);

  // The radio goes, with whatever it had still to send.
  void unplug();
  // A fresh radio in the factory state with `id` replaces whatever was plugged in; `fault`
  // instead of the one in the line's options.
  void plug(std::uint32_t id, std::optional<Fault> fault = std::nullopt);

  // The radio plugged in, nullptr while there is none.
  const Radio* radio() const { return radio_ ? &*radio_ : nullptr; }
  // How many radios have been plugged in so far, the first one included.
  std::size_t radios_plugged() const { return plugged_; }
  // The memory of every radio unplugged so far, in the order they went.
  const std::vector<Memory>& unplugged() const { return unplugged_; }
  // The memory of the radio plugged in, or of the last one unplugged.
  const Memory& last_memory() const;
  bool vanished() const { return radio_ && radio_->vanished(); }

 private:
  void put(Memory memory, Options options);
  void swap_when_due(TimePoint now);

  Options options_;
  std::optional<Duration> swap_after_;
  std::optional<Radio> radio_;
  std::size_t plugged_ = 0;
  std::vector<Memory> unplugged_;
  bool swap_armed_ = false;  // the radio plugged in has been numbered: its swap is set
  std::optional<TimePoint> unplug_at_;
  std::optional<TimePoint> plug_at_;
};

}  // namespace m27::fake
