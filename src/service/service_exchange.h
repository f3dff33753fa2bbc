// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two shapes of a service dialog's button: one request that reads a record from the radio,
// or one request that sets something in it (Began Query or Setting). Each waits 1 s a try for
// the reply (three tries). A sequence cancelled while it waits ends as if the radio had not
// answered.

#include <chrono>
#include <optional>
#include <string>

#include "link/operation.h"

namespace m27 {

inline constexpr std::chrono::seconds kServiceInterval{1};

// "数据读取", "读ID": a closed port refuses them with "请打开通信端口"; a reply reaches the dialog
// as ReplyData, then "读取 OK"; no reply, "读取超时".
class ServiceRead : public Operation {
 public:
  Notice port_closed() const override { return open_the_port(); }
  Request begin(std::vector<Event>& out) override;
  Next on_reply(const Frame& reply, std::vector<Event>& out) override;
  Finished on_timeout() override;
  Finished on_cancel() override { return on_timeout(); }

 protected:
  ServiceRead(Frame request, int reply_data);

 private:
  Request request_;
};

// "调整", "写ID": a request that could not be built from the dialog's fields is refused with
// `refusal` and nothing is sent; then a closed port refuses it with "请设置串口". No reply:
// `failure`; a reply: `success`, if any.
class ServiceWrite : public Operation {
 public:
  std::optional<Notice> refusal() const override;
  Notice port_closed() const override { return set_the_port(); }
  Request begin(std::vector<Event>& out) override;
  Next on_reply(const Frame& reply, std::vector<Event>& out) override;
  Finished on_timeout() override;
  Finished on_cancel() override { return on_timeout(); }

 protected:
  struct Texts {
    Notice refusal;
    Words failure;
    std::optional<Notice> success;
  };
  ServiceWrite(std::optional<Frame> request, Texts texts);

 private:
  std::optional<Frame> request_;
  Texts texts_;
};

}  // namespace m27
