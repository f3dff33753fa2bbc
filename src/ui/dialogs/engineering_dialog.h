// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "工程模式", engineering mode: reads the radio's two RSSI calibration values
// ("数据读取") and sends the two values of the text fields back ("调整").
// A scrollbar writes its value into its text field; typing does not move the scrollbar.

#include "link/frame.h"
#include "ui/dialogs/service_dialog.h"

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace m27 {

class EngineeringDialog : public ServiceDialog {
  Q_OBJECT

 public:
  explicit EngineeringDialog(ExchangeController& exchanges);

  void read_values();
  void adjust_values();
  // Shows a reply to the read: each scrollbar first, then its text, since moving a scrollbar
  // rewrites its text. A scrollbar stops at the nearer end of its range; the text shows the
  // value as the radio sent it.
  void decode_rssi(const Frame& reply);

 protected:
  void enable_buttons() override;

 private:
  QWidget* build_rssi_frame();
  void load();

  QPushButton* read_button_ = nullptr;
  QPushButton* adjust_button_ = nullptr;
  QLineEdit* narrow_edit_ = nullptr;
  QLineEdit* wide_edit_ = nullptr;
  QScrollBar* narrow_slider_ = nullptr;
  QScrollBar* wide_slider_ = nullptr;
};

}  // namespace m27
