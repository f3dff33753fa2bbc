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
  connect(engineering_mode_, &QAction::triggered, this, &MainWindow::open_engineering_dialog);
  connect(test_mode_, &QAction::triggered, this, &MainWindow::open_test_mode_dialog);
  connect(radio_id_, &QAction::triggered, this, &MainWindow::open_radio_id_dialog);
  exchanges_->set_monitor_display([this](const MonitorPacket& packet) {
    load_test_mode_dialog()->decode_monitor_packet(packet.rx_data);
  });
}

EngineeringDialog* MainWindow::engineering_dialog() const { return engineering_dialog_; }

TestModeDialog* MainWindow::test_mode_dialog() const { return test_mode_dialog_; }

RadioIdDialog* MainWindow::radio_id_dialog() const { return radio_id_dialog_; }

void MainWindow::open_engineering_dialog() {
  if (!engineering_dialog_) {
    engineering_dialog_ = new EngineeringDialog(*this);
    register_window(engineering_dialog_);
  }
  show_dialog(engineering_dialog_);
}

void MainWindow::open_test_mode_dialog() { show_dialog(load_test_mode_dialog()); }

void MainWindow::open_radio_id_dialog() {
  if (!radio_id_dialog_) {
    radio_id_dialog_ = new RadioIdDialog(*this);
    register_window(radio_id_dialog_);
  }
  show_dialog(radio_id_dialog_);
}

// A stream keeps running when its dialog is closed, so its next packet may load it again.
TestModeDialog* MainWindow::load_test_mode_dialog() {
  if (!test_mode_dialog_) {
    test_mode_dialog_ = new TestModeDialog(*this);
    register_window(test_mode_dialog_);
  }
  return test_mode_dialog_;
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
