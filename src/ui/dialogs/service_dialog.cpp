// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/service_dialog.h"

#include <QPointer>

#include "ui/controllers/exchange_controller.h"

namespace m27 {

ServiceDialog::ServiceDialog(ExchangeController& exchanges, const char* name, const char* caption)
    : exchanges_(exchanges), exchange_commands_enabled_(exchanges.commands_enabled()) {
  setObjectName(QString::fromUtf8(name));
  setWindowTitle(QString::fromUtf8(caption));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_DeleteOnClose);
  connect(&exchanges, &ExchangeController::commands_enabled_changed, this, [this](bool enabled) {
    exchange_commands_enabled_ = enabled;
    enable_buttons();
  });
}

bool ServiceDialog::exchange_running() const { return exchanges_.running(); }

bool ServiceDialog::start_exchange(std::unique_ptr<Operation> operation,
                                   std::function<void(const ReplyData&)> on_reply,
                                   std::function<void(bool ok)> on_finished) {
  QPointer<ServiceDialog> self(this);
  ExchangeController::Callbacks callbacks;
  if (on_reply) {
    callbacks.on_reply = [self, on_reply = std::move(on_reply)](const ReplyData& reply) {
      if (self) on_reply(reply);
    };
  }
  if (on_finished) {
    callbacks.on_finished = [self, on_finished = std::move(on_finished)](bool ok) {
      if (self) on_finished(ok);
    };
  }
  return exchanges_.start(std::move(operation), std::move(callbacks));
}

}  // namespace m27
