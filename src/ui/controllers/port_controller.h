// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial port of the window and its menu: com1 .. com16 choose and open a port, the checked
// item names the open one, and the status panel says what state the port is in.

#include <QObject>
#include <array>

#include "link/qt/serial_port.h"
#include "ui/window/message_boxes.h"

class QAction;
class QMenu;

namespace m27 {

class StatusBar;

class PortController : public QObject {
  Q_OBJECT

 public:
  PortController(PortMap ports, MessageBoxes& boxes, StatusBar* status_bar, QObject* parent);

  SerialPort& serial_port() { return serial_; }
  // The port last chosen from the menu; 0 before the first choice.
  int port_no() const { return port_no_; }
  // The port the menu stands at: the last one chosen, com1 before any choice.
  int selected_port() const;
  // The port that is open now; 0 when none is.
  int open_port_no() const { return serial_.is_open() ? selected_port() : 0; }
  // One item a port, its device as the status tip and tooltip; once the menu opens, with what
  // the system tells of the device, in the words of `m27 ports`.
  void build_menu(QMenu* menu);
  void describe_ports_in_menu();
  const std::array<QAction*, kLastPort>& menu_items() const { return items_; }

  // At start-up: port 1 is opened (a failure is silent); com1 is checked only when it opened.
  void open_first_port();
  // A failed choice leaves no item checked and says "串口关": the old port was closed before the
  // new one was tried.
  void choose_port(int port_no);
  void clear_port_checks();
  // "串口开" or "串口关闭" in the status panel.
  void show_port_state();
  // The port failed and is closed: no item checked, "串口关".
  void mark_port_lost();

 private:
  MessageBoxes& boxes_;
  StatusBar* status_bar_;
  SerialPort serial_;
  std::array<QAction*, kLastPort> items_{};
  int port_no_ = 0;
};

}  // namespace m27
