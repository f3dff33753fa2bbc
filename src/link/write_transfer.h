// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The write transfer ("开始写频"): checks the sheet, then sends the option record, the 25
// channel records and the end packet. Every frame is built from the checked sheet before the
// first byte goes out, so nothing done to the sheet afterwards reaches the radio; nothing is
// sent while a row fails the checks or a record cannot be put on the wire.

#include <vector>

#include "channels/sheet.h"
#include "link/operation.h"

namespace m27 {

class WriteTransfer : public Operation {
 public:
  // `sheet` is checked and corrected in place (`check_rasters`, `commit_edits`) when the transfer
  // begins, inside Link::start, and never touched after.
  explicit WriteTransfer(Sheet& sheet) : sheet_(&sheet) {}

  std::optional<Request> begin(bool port_open, std::vector<Event>& out) override;
  std::optional<Request> on_reply(const Frame& reply, std::vector<Event>& out) override;
  std::optional<Request> on_sent(bool sent, std::vector<Event>& out) override;
  void on_timeout(std::vector<Event>& out) override;
  void on_cancel(std::vector<Event>& out) override;
  bool succeeded() const override { return succeeded_; }

  // The frames the transfer sends, in order: options, 25 channels, end.
  const std::vector<Frame>& frames() const { return frames_; }

 private:
  Request request_at(std::size_t index) const;
  void communication_error(std::vector<Event>& out);
  void complete(std::vector<Event>& out);

  Sheet* sheet_;
  std::vector<Frame> frames_;
  std::size_t next_ = 0;
  int progress = 0;
  bool succeeded_ = false;
};

}  // namespace m27
