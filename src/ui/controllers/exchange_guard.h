// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Locks everything an exchange sequence uses while one runs: the controls that change what it
// reads or writes (the grid and its editors, the option, plan, mode and channel boxes, the fill
// buttons), the commands that would start another (transfer buttons and menu items, file
// commands) and the port menu. A locked widget is disabled through its container, so each
// control's own enabled state comes back unchanged when the lock goes.

#include <QAction>
#include <QWidget>
#include <vector>

namespace m27 {

class ExchangeGuard {
 public:
  void add(QWidget* container) { widgets_.push_back(container); }
  void add(QAction* action) { actions_.push_back(action); }

  void set_locked(bool locked);
  bool locked() const { return locked_; }

  const std::vector<QWidget*>& widgets() const { return widgets_; }
  const std::vector<QAction*>& actions() const { return actions_; }

 private:
  std::vector<QWidget*> widgets_;
  std::vector<QAction*> actions_;
  bool locked_ = false;
};

}  // namespace m27
