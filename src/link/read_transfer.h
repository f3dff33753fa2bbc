// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The read transfer ("读取频率"): the radio's option record, then its 25 channel records. They
// are decoded into a sheet of the transfer's own, which it hands out whole (SheetRead) only when
// every record has come; a failed or cancelled read changes no sheet of its caller.

#include "channels/sheet.h"
#include "link/operation.h"

namespace m27 {

class ReadTransfer : public Operation {
 public:
  // `shown`: the sheet the records are decoded over (what a record does not carry stays).
  explicit ReadTransfer(Sheet shown) : sheet_(std::move(shown)) {}

  Notice port_closed() const override { return open_the_port(); }
  Request begin(std::vector<Event>& out) override;
  Next on_reply(const Frame& reply, std::vector<Event>& out) override;
  Finished on_timeout() override;
  Finished on_cancel() override;

 private:
  Request channel_request() const;
  Finished complete(std::vector<Event>& out);

  Sheet sheet_;
  bool reading_channels_ = false;
  int ch_index = 0;
  int progress = 0;
  int reported_total_ = 0;
};

}  // namespace m27
