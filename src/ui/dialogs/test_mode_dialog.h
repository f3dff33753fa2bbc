// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "测试模式", test mode: starts and stops the radio's two measurement streams and shows
// every packet of them (`decode_monitor_packet`). The receiver group shows RSSI, SNR,
// AFC and the audio level, the battery group the AD value and the charge lamp,
// red while charging; beside each a strip chart of its run's last minute. 保存数据… saves a
// group's run as CSV. Closing the dialog does not stop a stream, and the runs outlive it.

#include <QList>

#include "link/frame.h"
#include "service/monitor_command.h"
#include "service/monitor_runs.h"
#include "ui/dialogs/service_dialog.h"

class QLineEdit;
class QPushButton;

namespace m27 {

class Lamp;
class StripChart;

class TestModeDialog : public ServiceDialog {
  Q_OBJECT

 public:
  // `runs` outlives the dialog: the buttons start and stop them, the charts draw them.
  TestModeDialog(ExchangeController& exchanges, MonitorRuns& runs);

  void start_rssi() { send(MonitorButton::StartRssi); }
  void stop_rssi() { send(MonitorButton::StopRssi); }
  void start_battery() { send(MonitorButton::StartBattery); }
  void stop_battery() { send(MonitorButton::StopBattery); }
  // Shows one packet of a stream, which `runs` has taken already; a packet of another kind
  // shows nothing.
  void decode_monitor_packet(const Frame& packet);
  // Writes the samples of the run of `stream` (Rssi or Battery) as CSV into `file`; a failure
  // is told in a message box.
  void save_samples(MonitorMode stream, const QString& file);

 protected:
  void enable_buttons() override;

 private:
  QWidget* build_receiver_frame();
  QWidget* build_battery_frame();
  void send(MonitorButton button);
  void choose_file_and_save(MonitorMode stream);
  void update_charts(const QList<StripChart*>& charts);

  MonitorRuns& runs_;

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
  QPushButton* save_rssi_button_ = nullptr;
  QPushButton* save_battery_button_ = nullptr;
  QList<StripChart*> rssi_charts_;
  QList<StripChart*> battery_charts_;
};

}  // namespace m27
