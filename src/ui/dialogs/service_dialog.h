// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the five service dialogs share: a small modeless window of its own (no owner), unloaded
// when it is closed; its buttons start exchanges on the main window's link and are refused
// (disabled) while any exchange runs, the main window's transfers included.

#include <QWidget>
#include <functional>
#include <memory>

#include "link/operation.h"

namespace m27 {

class ExchangeController;

class ServiceDialog : public QWidget {
  Q_OBJECT

 protected:
  ServiceDialog(ExchangeController& exchanges, const char* name, const char* caption);

  // Whether an exchange sequence runs on the link now.
  bool exchange_running() const;
  ExchangeController& exchanges() { return exchanges_; }

  // Whether a command that starts an exchange may run now.
  bool exchange_commands_enabled() const { return exchange_commands_enabled_; }
  // The dialog enables its buttons after its own rules and `exchange_commands_enabled()`; called
  // whenever the latter changes.
  virtual void enable_buttons() = 0;

  // Starts an exchange sequence; false when another one runs. The reply and the end reach this
  // dialog only while it is loaded.
  bool start_exchange(std::unique_ptr<Operation> operation,
                      std::function<void(const ReplyData&)> on_reply = {},
                      std::function<void(bool ok)> on_finished = {});

 private:
  ExchangeController& exchanges_;
  bool exchange_commands_enabled_;
};

}  // namespace m27
