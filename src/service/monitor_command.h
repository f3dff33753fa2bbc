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

  Notice port_closed() const override { return set_the_port(); }
  Request begin(std::vector<Event>& out) override;
  // No reply is awaited: the request is done once it has been sent.
  Next on_reply(const Frame&, std::vector<Event>&) override { return Finished{}; }
  Finished on_timeout() override { return {Ending::NoAnswer, {}}; }
  Finished on_cancel() override { return {Ending::Interrupted, {}}; }

 private:
  MonitorButton button_;
};

}  // namespace m27
