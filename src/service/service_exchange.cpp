// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/service_exchange.h"

namespace m27 {

ServiceRead::ServiceRead(Frame request, int reply_data)
    : request_{request, kServiceInterval, reply_data} {}

Request ServiceRead::begin(std::vector<Event>& out) {
  out.push_back(Began{Exchange::Query});
  return request_;
}

Next ServiceRead::on_reply(const Frame& reply, std::vector<Event>& out) {
  out.push_back(ReplyData{reply});
  return Finished{Ending::Completed, {untitled(M27_WORDS("service", "读取 OK"))}};
}

Finished ServiceRead::on_timeout() {
  return {Ending::NoAnswer, {untitled(M27_WORDS("service", "读取超时"))}};
}

ServiceWrite::ServiceWrite(std::optional<Frame> request, Texts texts)
    : request_(std::move(request)), texts_(std::move(texts)) {}

std::optional<Notice> ServiceWrite::refusal() const {
  if (request_) return std::nullopt;
  return texts_.refusal;
}

Request ServiceWrite::begin(std::vector<Event>& out) {
  out.push_back(Began{Exchange::Setting});
  return Request{*request_, kServiceInterval};
}

Next ServiceWrite::on_reply(const Frame&, std::vector<Event>&) {
  Finished done{Ending::Completed, {}};
  if (texts_.success) done.messages.push_back(*texts_.success);
  return done;
}

Finished ServiceWrite::on_timeout() { return {Ending::NoAnswer, {untitled(texts_.failure)}}; }

}  // namespace m27
