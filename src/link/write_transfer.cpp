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
  const Words done = M27_WORDS("link", "写频完成");
  return Finished{Ending::Completed, {{done, done}}};
}

// Once the radio has taken a record, it holds a mix of the old and the new.
Finished WriteTransfer::on_timeout() {
  if (next_ == 0) return {Ending::NoAnswer, {untitled(no_answer())}};
  return {Ending::NoAnswer,
          {untitled(M27_WORDS("link",
                              "通讯失败，请检查对讲机是否进入写频模式\n"
                              "对讲机中的数据可能不完整，请重新写频"))}};
}

Finished WriteTransfer::on_cancel() {
  return {Ending::CommunicationError, {untitled(M27_WORDS("link", "通讯失败"))}};
}

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
