// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A write as a value, prepared before anything is sent: the sheet as the radio will hold it
// (every frequency moved onto its raster and formatted), and either the reason it may not be
// written or the frames that write it. Nothing done to any sheet afterwards reaches the radio.

#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "channels/sheet.h"
#include "channels/words.h"
#include "link/frame.h"

namespace m27 {

class PreparedWrite;

// The raster check, the frequencies formatted, then the pre-write check of the result.
PreparedWrite prepare_write(const Sheet& sheet);

// The frames that write a sheet: the option record, the 25 channel records, the end packet.
// Only prepare_write makes one, so every plan has all 27 frames. It is copied, never moved: a
// move would leave a plan of no frames behind.
class WritePlan {
 public:
  WritePlan(const WritePlan&) = default;
  WritePlan& operator=(const WritePlan&) = default;

  const std::vector<Frame>& frames() const { return frames_; }

 private:
  friend PreparedWrite prepare_write(const Sheet& sheet);
  explicit WritePlan(std::vector<Frame> frames) : frames_(std::move(frames)) {}

  std::vector<Frame> frames_;
};

class PreparedWrite {
 public:
  Sheet sheet;  // as written: snapped and formatted, in every case

  // The pre-write check's refusal; nothing when the write may go.
  const Notice* refusal() const { return std::get_if<Notice>(&outcome_); }
  // The plan of a write the check let through; nothing for a refused one.
  std::optional<WritePlan> plan() const {
    if (const auto* plan = std::get_if<WritePlan>(&outcome_)) return *plan;
    return std::nullopt;
  }

 private:
  friend PreparedWrite prepare_write(const Sheet& sheet);
  PreparedWrite(Sheet snapped, std::variant<Notice, WritePlan> outcome)
      : sheet(std::move(snapped)), outcome_(std::move(outcome)) {}

  std::variant<Notice, WritePlan> outcome_;
};

}  // namespace m27
