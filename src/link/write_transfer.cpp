// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/write_transfer.h"

#include <utility>

#include "channels/channel_table.h"
#include "channels/validation.h"
#include "link/requests.h"

namespace m27 {
namespace {

constexpr int kProgressPerRecord = 6;
constexpr int kProgressEnd = kProgressPerRecord * (kRows + 1);
// The end packet awaits no reply; this only bounds the wait for it to leave.
constexpr std::chrono::seconds kEndPacketBound{1};

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

std::optional<Request> WriteTransfer::begin(bool, std::vector<Event>& out) {
  Sheet& sheet = *std::exchange(sheet_, nullptr);
  out.push_back(Began{Exchange::Write});
  check_rasters(sheet);
  commit_edits(sheet);
  out.push_back(SheetChecked{});
  if (auto refusal = pre_write_check(sheet)) {
    out.push_back(Notice{std::move(*refusal)});
    out.push_back(Ended{Ending::Refused});
    return std::nullopt;
  }
  out.push_back(Progress{0, kProgressEnd});
  auto frames = frames_of(sheet);
  if (!frames) {
    communication_error(out);
    return std::nullopt;
  }
  frames_ = std::move(*frames);
  return request_at(next_);
}

std::optional<Request> WriteTransfer::on_reply(const Frame&, std::vector<Event>& out) {
  progress += kProgressPerRecord;
  out.push_back(Progress{progress, kProgressEnd});
  return request_at(++next_);
}

std::optional<Request> WriteTransfer::on_sent(bool, std::vector<Event>& out) {
  complete(out);
  return std::nullopt;
}

void WriteTransfer::on_timeout(std::vector<Event>& out) {
  out.push_back(Ended{Ending::NoAnswer});
  out.push_back(Notice{{kNoAnswer}});
}

void WriteTransfer::on_cancel(std::vector<Event>& out) { communication_error(out); }

// Every record awaits the radio's acknowledgement; the end packet awaits nothing.
Request WriteTransfer::request_at(std::size_t index) const {
  if (index + 1 == frames_.size()) return Request{frames_[index], kEndPacketBound, 0, false};
  return Request{frames_[index], kTransferInterval};
}

void WriteTransfer::communication_error(std::vector<Event>& out) {
  out.push_back(Ended{Ending::CommunicationError});
  out.push_back(Notice{{"通讯失败"}});
}

void WriteTransfer::complete(std::vector<Event>& out) {
  out.push_back(Ended{Ending::Completed});
  out.push_back(Notice{{"写频完成", "写频完成"}});
  succeeded_ = true;
}

}  // namespace m27
