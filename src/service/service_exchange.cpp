#include "service/service_exchange.h"

namespace m27 {

ServiceRead::ServiceRead(Frame request, int reply_data)
    : request_{request, kServiceInterval, reply_data} {}

std::optional<Request> ServiceRead::begin(bool port_open, std::vector<Action>& out) {
  if (!port_open) {
    out.push_back(ShowMessage{{"请打开通信端口"}});
    return std::nullopt;
  }
  out.push_back(StopStatusRefresh{});
  out.push_back(EnableCommands{false});
  return request_;
}

std::optional<Request> ServiceRead::on_reply(const Frame& reply, std::vector<Action>& out) {
  out.push_back(ReplyData{rx_data_of(reply)});
  out.push_back(ShowMessage{{"读取 OK"}});
  end_exchange(out);
  succeeded_ = true;
  return std::nullopt;
}

void ServiceRead::on_timeout(std::vector<Action>& out) {
  out.push_back(ShowMessage{{"读取超时"}});
  end_exchange(out);
}

void ServiceRead::on_cancel(std::vector<Action>& out) { on_timeout(out); }

void ServiceRead::end_exchange(std::vector<Action>& out) {
  out.push_back(EnableCommands{true});
  out.push_back(ArmStatusRefresh{});
}

ServiceWrite::ServiceWrite(std::optional<Frame> request, Texts texts)
    : request_(request), texts_(std::move(texts)) {}

std::optional<Request> ServiceWrite::begin(bool, std::vector<Action>& out) {
  if (!request_) {
    out.push_back(ShowMessage{texts_.refusal});
    return std::nullopt;
  }
  out.push_back(StopStatusRefresh{});
  out.push_back(HoldSplashTimer{true});
  out.push_back(EnableCommands{false});
  return Request{*request_, kServiceInterval};
}

std::optional<Request> ServiceWrite::on_reply(const Frame&, std::vector<Action>& out) {
  if (texts_.success) out.push_back(ShowMessage{*texts_.success});
  end_exchange(out);
  succeeded_ = true;
  return std::nullopt;
}

void ServiceWrite::on_timeout(std::vector<Action>& out) {
  out.push_back(Status{"通讯失败"});
  out.push_back(ShowMessage{{texts_.failure}});
  end_exchange(out);
}

void ServiceWrite::on_cancel(std::vector<Action>& out) { on_timeout(out); }

void ServiceWrite::end_exchange(std::vector<Action>& out) {
  out.push_back(EnableCommands{true});
  out.push_back(HoldSplashTimer{false});
  out.push_back(ArmStatusRefresh{});
}

}  // namespace m27
