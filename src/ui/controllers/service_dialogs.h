// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three service dialogs and the connection check, opened from the menu beside the main
// window: one of each, loaded on first use and unloaded when closed. A packet of a test-mode
// stream that finds the test-mode dialog unloaded loads it, hidden. The test mode's runs live
// here, so that they outlive its dialog.

#include <QObject>
#include <QPointer>

#include "service/monitor_runs.h"

class QAction;

namespace m27 {

class ConnectionCheckDialog;
class EngineeringDialog;
class ExchangeController;
class PortController;
class RadioIdDialog;
class TestModeDialog;

class ServiceDialogs : public QObject {
  Q_OBJECT

 public:
  // The menu items that open them.
  struct Menu {
    QAction* engineering_mode;  // 工程模式
    QAction* test_mode;         // 测试模式
    QAction* radio_id;          // 写ID
    QAction* connection_check;  // 连接检测…
  };
  // `window`: the main window they open beside; `ports`: its port, which the check checks.
  ServiceDialogs(ExchangeController& exchanges, PortController& ports, QWidget* window, Menu menu);
  // The dialogs have no owner window.
  ~ServiceDialogs() override;

  // Each shows its dialog modeless, loading it first when needed, and brings it forward.
  void open_engineering_dialog();
  void open_test_mode_dialog();
  void open_radio_id_dialog();
  // The connection check also runs its steps as it opens.
  void open_connection_check();

  // The dialogs while they are loaded, else null.
  EngineeringDialog* engineering_dialog() const;
  TestModeDialog* test_mode_dialog() const;
  RadioIdDialog* radio_id_dialog() const;
  ConnectionCheckDialog* connection_check() const;

 signals:
  // A dialog was loaded: the exit closes it with the program.
  void loaded(QWidget* dialog);
  // The radio on the window's open port told its ID: to 读ID, or to a connection check.
  void radio_id_heard(const QString& id);

 private:
  template <typename Dialog, typename... Uses>
  Dialog* load(QPointer<Dialog>& dialog, Uses&... uses);
  void show_dialog(QWidget* dialog);

  ExchangeController& exchanges_;
  PortController& ports_;
  QWidget* window_;
  QPointer<EngineeringDialog> engineering_dialog_;
  QPointer<TestModeDialog> test_mode_dialog_;
  MonitorRuns monitor_runs_;
  QPointer<RadioIdDialog> radio_id_dialog_;
  QPointer<ConnectionCheckDialog> connection_check_;
};

}  // namespace m27
