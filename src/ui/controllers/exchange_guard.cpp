// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/exchange_guard.h"

namespace m27 {

void ExchangeGuard::set_locked(bool locked) {
  locked_ = locked;
  for (QWidget* w : widgets_) w->setEnabled(!locked);
  for (QAction* a : actions_) a->setEnabled(!locked);
}

}  // namespace m27
