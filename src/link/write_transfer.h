// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The write transfer ("开始写频"): the frames of a write plan, in order: the option record and the
// 25 channel records, each awaiting the radio's acknowledgement, then the end packet.

#include "link/operation.h"
#include "link/write_plan.h"

namespace m27 {

class WriteTransfer : public Operation {
 public:
  explicit WriteTransfer(const WritePlan& plan) : frames_(plan.frames()) {}

  Notice port_closed() const override { return set_the_port(); }
  Request begin(std::vector<Event>& out) override;
  Next on_reply(const Frame& reply, std::vector<Event>& out) override;
  Next on_sent(std::vector<Event>& out) override;
  Finished on_timeout() override;
  Finished on_cancel() override;

 private:
  Request request_at(std::size_t index) const;
  int progress_end() const;

  std::vector<Frame> frames_;
  std::size_t next_ = 0;
  int progress = 0;
};

}  // namespace m27
