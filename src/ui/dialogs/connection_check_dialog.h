// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "连接检测": why the radio does not answer, step by step, on the port the port menu stands at,
// one row per step (✓ or ✗ and its text); the window's own open port is checked through the
// window's link, not found busy. "自动查找" checks every port where a programming cable can be
// (the window's own one too; with 也检测其他串口 every serial port) all at once, and selects the
// one radio it finds in the port menu.

#include <QLabel>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "link/line_listener.h"
#include "link/qt/port_check.h"
#include "link/qt/port_checker.h"
#include "link/qt/port_search.h"
#include "ui/dialogs/service_dialog.h"

class QCheckBox;
class QPushButton;

namespace m27 {

class PortController;

class ConnectionCheckDialog : public ServiceDialog {
  Q_OBJECT

 public:
  static constexpr int kSteps = 5;

  ConnectionCheckDialog(ExchangeController& exchanges, PortController& ports);
  ~ConnectionCheckDialog() override;

  // The steps on the selected port (the dialog runs them as it opens).
  void check();
  // "自动查找".
  void search();

 signals:
  // The radio on the window's open port answered the check with `id`.
  void radio_answered(const QString& id);

 protected:
  void enable_buttons() override;

 private:
  void start();
  void show_lines(const std::vector<CheckLine>& lines);
  void ask_through_window(std::function<void(const Heard&)> heard);
  void searched(SearchedPort port);
  void finish_search();
  void finish();

  PortController& ports_;
  QLabel* port_label_ = nullptr;
  std::array<QLabel*, kSteps> marks_{};
  std::array<QLabel*, kSteps> texts_{};
  QLabel* search_result_ = nullptr;
  QPushButton* check_button_ = nullptr;
  QPushButton* search_button_ = nullptr;
  QCheckBox* search_all_ = nullptr;       // 也检测其他串口
  std::optional<LineListener> listener_;  // on the window's link while it asks
  std::vector<std::unique_ptr<PortChecker>> checkers_;
  std::vector<SearchedPort> searched_;
  int pending_ = 0;  // searched ports still to answer
  bool busy_ = false;
};

}  // namespace m27
