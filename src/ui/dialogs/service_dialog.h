// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the five service dialogs share: a small modeless window of its own (no owner), unloaded
// when it is closed; its buttons start exchanges on the main window's link and are refused
// (disabled) while any exchange runs, the main window's transfers included. It speaks the
// language in use, and changes with it while it stays open.

#include <QWidget>
#include <functional>
#include <memory>

#include "channels/message.h"
#include "link/operation.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace m27 {

class ExchangeController;

class ServiceDialog : public QWidget {
  Q_OBJECT

 protected:
  // `caption`, the title, is marked with QT_TR_NOOP in the dialog's class, as every text given
  // to say() is.
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

  // Shows `source` on `widget` (a label, a button, a check box, a group box's title, the dialog's
  // own title) in the language in use, "%1" filled in with `argument` when there is one, and
  // shows it again whenever the language changes.
  void say(QWidget* widget, const char* source, const QString& argument = QString());
  // A label, a button, a group box made with their names, saying `source` as say() does.
  QLabel* worded_label(const char* name, const char* source, QWidget* parent);
  QPushButton* worded_button(const char* name, const char* source, QWidget* parent);
  QGroupBox* worded_frame(const char* name, const char* source, QWidget* parent);
  // Shows `text` on `widget` as it is, in every language, in place of what say() showed there.
  void show_as_is(QWidget* widget, const QString& text);
  // Shows every text of the dialog in the language in use: what say() keeps, and what the dialog
  // words itself (headers, tooltips). Each dialog calls it once it is built.
  virtual void retranslate();
  void changeEvent(QEvent* event) override;

  // A refused input or a failure, in a message box titled as every refusal is.
  void refuse(const QString& text);
  // The box of a refusal, or of a question asked as one.
  static Message attention_box(const QString& text);

 private:
  ExchangeController& exchanges_;
  bool exchange_commands_enabled_;
};

}  // namespace m27
