// The three service dialogs, opened from the menu beside the main window: one of each, loaded
// on first use and unloaded when closed; the exit closes them with the program.

#include <QAction>

#include "ui/engineering_dialog.h"
#include "ui/main_window.h"
#include "ui/radio_id_dialog.h"
#include "ui/test_mode_dialog.h"

namespace m27 {
namespace {

constexpr int kDialogMargin = 24;

}  // namespace

void MainWindow::connect_dialogs() {
  connect(engineering_mode_, &QAction::triggered, this, &MainWindow::engineering_mode_Click);
  connect(test_mode_, &QAction::triggered, this, &MainWindow::test_mode_Click);
  connect(radio_id_, &QAction::triggered, this, &MainWindow::radio_id_Click);
  set_monitor_display(
      [this](const MonitorPacket& packet) { load_Form4()->display_Monit(packet.rx_data); });
}

EngineeringDialog* MainWindow::Form3() const { return Form3_; }

TestModeDialog* MainWindow::Form4() const { return Form4_; }

RadioIdDialog* MainWindow::Form6() const { return Form6_; }

void MainWindow::engineering_mode_Click() {
  if (!Form3_) {
    Form3_ = new EngineeringDialog(*this);
    register_window(Form3_);
  }
  show_dialog(Form3_);
}

void MainWindow::test_mode_Click() { show_dialog(load_Form4()); }

void MainWindow::radio_id_Click() {
  if (!Form6_) {
    Form6_ = new RadioIdDialog(*this);
    register_window(Form6_);
  }
  show_dialog(Form6_);
}

// A stream keeps running when its dialog is closed, so its next packet may load it again.
TestModeDialog* MainWindow::load_Form4() {
  if (!Form4_) {
    Form4_ = new TestModeDialog(*this);
    register_window(Form4_);
  }
  return Form4_;
}

// A dialog shown for the first time opens over the main window, beside the grid.
void MainWindow::show_dialog(QWidget* dialog) {
  if (!dialog->isVisible()) {
    dialog->adjustSize();
    const QRect frame = frameGeometry();
    dialog->move(frame.x() + frame.width() - dialog->width() - kDialogMargin,
                 frame.y() + kDialogMargin * 4);
  }
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

}  // namespace m27
