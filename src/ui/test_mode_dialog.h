// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "测试模式", test mode: starts and stops the radio's two measurement streams and shows
// every packet of them (`decode_monitor_packet`). The receiver group shows RSSI, SNR,
// AFC and the audio level, the battery group the AD value and the charge lamp,
// red while charging. Closing the dialog does not stop a stream.

#include "link/frame.h"
#include "service/monitor_command.h"
#include "ui/service_dialog.h"

class QLineEdit;
class QPushButton;

namespace m27 {

class Lamp;

class TestModeDialog : public ServiceDialog {
  Q_OBJECT

 public:
  explicit TestModeDialog(ExchangeController& exchanges);

  void start_rssi() { send(MonitorButton::StartRssi); }
  void stop_rssi() { send(MonitorButton::StopRssi); }
  void start_battery() { send(MonitorButton::StartBattery); }
  void stop_battery() { send(MonitorButton::StopBattery); }
  // Shows one packet of a stream; a packet of another kind shows nothing.
  void decode_monitor_packet(const Frame& packet);

 protected:
  void enable_buttons() override;

 private:
  QWidget* build_receiver_frame();
  QWidget* build_battery_frame();
  void send(MonitorButton button);

  QLineEdit* rssi_edit_ = nullptr;
  QLineEdit* snr_edit_ = nullptr;
  QLineEdit* afc_edit_ = nullptr;
  QLineEdit* audio_edit_ = nullptr;
  QLineEdit* battery_edit_ = nullptr;
  Lamp* charge_lamp_ = nullptr;
  QPushButton* start_rssi_button_ = nullptr;
  QPushButton* stop_rssi_button_ = nullptr;
  QPushButton* start_battery_button_ = nullptr;
  QPushButton* stop_battery_button_ = nullptr;
};

}  // namespace m27
