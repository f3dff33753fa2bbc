#pragma once
// `Form3` "工程模式", engineering mode: reads the radio's two RSSI calibration values
// (`Command1` "数据读取") and sends the two values of the text fields back (`Command2` "调整").
// A scrollbar writes its value into its text field; typing does not move the scrollbar.

#include "service/rx_data.h"
#include "ui/service_dialog.h"

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace m27 {

class EngineeringDialog : public ServiceDialog {
  Q_OBJECT

 public:
  explicit EngineeringDialog(MainWindow& main_window);

  void Command1_Click();
  void Command2_Click();
  // Shows a reply to the read: each scrollbar first, then its text.
  void display_RSSI(const RxData& rx_data);

 protected:
  void enable_buttons() override;

 private:
  QWidget* build_Frame1();
  void Form_Load();

  QPushButton* Command1_ = nullptr;
  QPushButton* Command2_ = nullptr;
  QLineEdit* Text1_ = nullptr;
  QLineEdit* Text2_ = nullptr;
  QScrollBar* HScroll1_ = nullptr;
  QScrollBar* HScroll2_ = nullptr;
};

}  // namespace m27
