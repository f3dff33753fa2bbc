#pragma once
// The write transfer ("开始写频"): checks the sheet, then sends the option record, the 25
// channel records and the end packet. Nothing is sent while a row fails the checks.

#include "channels/sheet.h"
#include "link/operation.h"

namespace m27 {

class WriteTransfer : public Operation {
 public:
  explicit WriteTransfer(Sheet& sheet) : sheet_(sheet) {}

  std::optional<Request> begin(LinkState& link, std::vector<Action>& out) override;
  std::optional<Request> next(LinkState& link, std::vector<Action>& out) override;
  void on_timeout(std::vector<Action>& out) override;
  void on_cancel(std::vector<Action>& out) override;
  bool succeeded() const override { return succeeded_; }

 private:
  enum class Stage { Options, Channels, End };

  std::optional<Request> channel_request(std::vector<Action>& out);
  void communication_error(std::vector<Action>& out);
  void complete(std::vector<Action>& out);

  Sheet& sheet_;
  Stage stage_ = Stage::Options;
  int ch_index = 0;
  int progress = 0;
  bool succeeded_ = false;
};

}  // namespace m27
