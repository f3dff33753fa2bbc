// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A write as a value, prepared before anything is sent: the sheet as the radio will hold it
// (every frequency moved onto its raster and formatted), and either the reason it may not be
// written or the frames that write it. Nothing done to any sheet afterwards reaches the radio.

#include <utility>
#include <variant>
#include <vector>

#include "channels/message.h"
#include "channels/sheet.h"
#include "link/frame.h"

namespace m27 {

struct WritePlan {
  std::vector<Frame> frames;  // the option record, the 25 channel records, the end packet
};

struct PreparedWrite {
  Sheet sheet;                               // as written: snapped and formatted, in every case
  std::variant<Message, WritePlan> outcome;  // the refusal of the pre-write check, or the plan

  const Message* refusal() const { return std::get_if<Message>(&outcome); }
  // Moves the plan out of a write `refusal()` lets through; the sheet stays.
  WritePlan take_plan() { return std::get<WritePlan>(std::move(outcome)); }
};

// The raster check, the frequencies formatted, then the pre-write check of the result. A plan
// has all 27 frames.
PreparedWrite prepare_write(const Sheet& sheet);

}  // namespace m27
