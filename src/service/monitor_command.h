// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The test-mode buttons: each sends one monitor request and waits for no reply. While a monitor
// runs the link hands every good frame to the dialog as a MonitorPacket (see
// `decode_monitor_packet`); closing the dialog does not stop it.

#include "link/operation.h"

namespace m27 {

enum class MonitorButton {
  StartRssi,     // "开始" of the RSSI group
  StopRssi,      // "停止" of the RSSI group
  StartBattery,  // "开始" of the battery group
  StopBattery,   // "停止" of the battery group
};

class MonitorCommand : public Operation {
 public:
  explicit MonitorCommand(MonitorButton button) : button_(button) {}

  std::optional<Request> begin(bool port_open, std::vector<Event>& out) override;
  std::optional<Request> on_reply(const Frame&, std::vector<Event>&) override {
    return std::nullopt;  // no reply is awaited
  }
  std::optional<Request> on_sent(bool sent, std::vector<Event>& out) override;
  void on_timeout(std::vector<Event>&) override {}
  void on_cancel(std::vector<Event>&) override {}
  bool succeeded() const override { return sent_; }

 private:
  MonitorButton button_;
  bool sent_ = false;
};

}  // namespace m27
