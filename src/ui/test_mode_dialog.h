#pragma once
// `Form4` "测试模式", test mode: starts and stops the radio's two measurement streams and shows
// every packet of them (`display_Monit`). The receiver group (`Frame1`) shows RSSI, SNR, AFC and
// the audio level, the battery group (`Frame2`) the AD value and the charge lamp `Shape1`, red
// while charging. Closing the dialog does not stop a stream.

#include "service/monitor_command.h"
#include "service/rx_data.h"
#include "ui/service_dialog.h"

class QLineEdit;
class QPushButton;

namespace m27 {

class Lamp;

class TestModeDialog : public ServiceDialog {
  Q_OBJECT

 public:
  explicit TestModeDialog(MainWindow& main_window);

  void Command1_Click() { send(MonitorButton::StartRssi); }
  void Command2_Click() { send(MonitorButton::StopRssi); }
  void Command3_Click() { send(MonitorButton::StartBattery); }
  void Command4_Click() { send(MonitorButton::StopBattery); }
  // Shows one packet of a stream; a packet of another kind shows nothing.
  void display_Monit(const RxData& rx_data);

 protected:
  void enable_buttons() override;

 private:
  QWidget* build_Frame1();
  QWidget* build_Frame2();
  void send(MonitorButton button);

  QLineEdit* Text1_ = nullptr;
  QLineEdit* Text2_ = nullptr;
  QLineEdit* Text3_ = nullptr;
  QLineEdit* Text4_ = nullptr;
  QLineEdit* Text5_ = nullptr;
  Lamp* Shape1_ = nullptr;
  QPushButton* Command1_ = nullptr;
  QPushButton* Command2_ = nullptr;
  QPushButton* Command3_ = nullptr;
  QPushButton* Command4_ = nullptr;
};

}  // namespace m27
