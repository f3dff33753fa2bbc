#pragma once
// The read transfer ("读取频率"): the radio's option record, then its 25 channel records, into
// the sheet. Rows read before a failure keep their new values; later rows keep their old ones.

#include "channels/sheet.h"
#include "link/operation.h"

namespace m27 {

class ReadTransfer : public Operation {
 public:
  explicit ReadTransfer(Sheet& sheet) : sheet_(sheet) {}

  std::optional<Request> begin(LinkState& link, std::vector<Action>& out) override;
  std::optional<Request> next(LinkState& link, std::vector<Action>& out) override;
  void on_timeout(std::vector<Action>& out) override;
  void on_cancel(std::vector<Action>& out) override;
  bool succeeded() const override { return succeeded_; }

 private:
  Request channel_request() const;
  void read_error(std::vector<Action>& out);
  void complete(std::vector<Action>& out);

  Sheet& sheet_;
  bool reading_channels_ = false;
  int ch_index = 0;
  int progress = 0;
  int reported_total_ = 0;
  bool succeeded_ = false;
};

}  // namespace m27
