// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/service_exchange.h"

namespace m27 {

ServiceRead::ServiceRead(Frame request, int reply_data)
    : request_{request, kServiceInterval, reply_data} {}

std::optional<Request> ServiceRead::begin(bool port_open, std::vector<Event>& out) {
  if (!port_open) {
    out.push_back(Notice{{"请打开通信端口"}});
    out.push_back(Ended{Ending::Refused});
    return std::nullopt;
  }
  out.push_back(Began{Exchange::Query});
  return request_;
}

std::optional<Request> ServiceRead::on_reply(const Frame& reply, std::vector<Event>& out) {
  out.push_back(ReplyData{reply});
  out.push_back(Ended{Ending::Completed});
  out.push_back(Notice{{"读取 OK"}});
  succeeded_ = true;
  return std::nullopt;
}

void ServiceRead::on_timeout(std::vector<Event>& out) {
  out.push_back(Ended{Ending::NoAnswer});
  out.push_back(Notice{{"读取超时"}});
}

void ServiceRead::on_cancel(std::vector<Event>& out) { on_timeout(out); }

ServiceWrite::ServiceWrite(std::optional<Frame> request, Texts texts)
    : request_(request), texts_(std::move(texts)) {}

std::optional<Request> ServiceWrite::begin(bool, std::vector<Event>& out) {
  if (!request_) {
    out.push_back(Notice{texts_.refusal});
    out.push_back(Ended{Ending::Refused});
    return std::nullopt;
  }
  out.push_back(Began{Exchange::Setting});
  return Request{*request_, kServiceInterval};
}

std::optional<Request> ServiceWrite::on_reply(const Frame&, std::vector<Event>& out) {
  out.push_back(Ended{Ending::Completed});
  if (texts_.success) out.push_back(Notice{*texts_.success});
  succeeded_ = true;
  return std::nullopt;
}

void ServiceWrite::on_timeout(std::vector<Event>& out) {
  out.push_back(Ended{Ending::NoAnswer});
  out.push_back(Notice{{texts_.failure}});
}

void ServiceWrite::on_cancel(std::vector<Event>& out) { on_timeout(out); }

}  // namespace m27
