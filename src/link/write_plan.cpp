// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/write_plan.h"

#include "channels/channel_table.h"
#include "channels/validation.h"
#include "link/events.h"
#include "link/requests.h"

namespace m27 {
namespace {

// Options, the 25 channels and the end packet; nothing when a record cannot be sent.
std::optional<std::vector<Frame>> frames_of(const Sheet& sheet) {
  std::vector<Frame> frames;
  auto options = write_options_request(sheet);
  if (!options) return std::nullopt;
  frames.push_back(std::move(*options));
  for (int row = 0; row < kRows; ++row) {
    auto channel = write_channel_request(sheet, row);
    if (!channel) return std::nullopt;
    frames.push_back(std::move(*channel));
  }
  frames.push_back(end_request());
  return frames;
}

}  // namespace

PreparedWrite prepare_write(const Sheet& sheet) {
  Sheet snapped = sheet;
  check_rasters(snapped);
  normalise_frequencies(snapped);
  if (auto refusal = pre_write_check(snapped)) return {std::move(snapped), std::move(*refusal)};
  auto frames = frames_of(snapped);
  // The check refuses every value a record cannot carry; this is the write's last guard.
  if (!frames) return {std::move(snapped), untitled(M27_WORDS("link", "通讯失败"))};
  WritePlan plan(std::move(*frames));
  return {std::move(snapped), std::move(plan)};
}

}  // namespace m27
