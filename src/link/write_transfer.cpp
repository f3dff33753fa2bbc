// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/write_transfer.h"

#include "link/requests.h"

namespace m27 {
namespace {

constexpr int kProgressPerRecord = 6;
// The end packet awaits no reply; this only bounds the wait for it to leave.
constexpr std::chrono::seconds kEndPacketBound{1};

}  // namespace

Request WriteTransfer::begin(std::vector<Event>& out) {
  out.push_back(Began{Exchange::Write});
  out.push_back(Progress{0, progress_end()});
  return request_at(next_);
}

Next WriteTransfer::on_reply(const Frame&, std::vector<Event>& out) {
  progress += kProgressPerRecord;
  out.push_back(Progress{progress, progress_end()});
  return request_at(++next_);
}

Next WriteTransfer::on_sent(std::vector<Event>&) {
  return Finished{Ending::Completed, {{"写频完成", "写频完成"}}};
}

Finished WriteTransfer::on_timeout() { return {Ending::NoAnswer, {{kNoAnswer}}}; }

Finished WriteTransfer::on_cancel() { return {Ending::CommunicationError, {{"通讯失败"}}}; }

// Every record awaits the radio's acknowledgement; the end packet awaits nothing.
Request WriteTransfer::request_at(std::size_t index) const {
  if (index + 1 == frames_.size()) return Request{frames_[index], kEndPacketBound, 0, false};
  return Request{frames_[index], kTransferInterval};
}

// Each record but the end packet: 156 for a whole write.
int WriteTransfer::progress_end() const {
  return kProgressPerRecord * static_cast<int>(frames_.size() - 1);
}

}  // namespace m27
