// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/service_dialog.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "i18n/translated.h"
#include "ui/controllers/exchange_controller.h"
#include "ui/window/controls.h"

namespace m27 {
namespace {

// The text as written and its argument, kept on the widget that shows it.
constexpr const char* kSource = "m27_words";
constexpr const char* kArgument = "m27_words_argument";

void show_text(QWidget* widget, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(text);
  } else {
    widget->setWindowTitle(text);
  }
}

}  // namespace

ServiceDialog::ServiceDialog(ExchangeController& exchanges, const char* name, const char* caption)
    : exchanges_(exchanges), exchange_commands_enabled_(exchanges.commands_enabled()) {
  setObjectName(QString::fromUtf8(name));
  say(this, caption);
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

// The texts are translated in the context of the dialog's own class, where they are marked.
void ServiceDialog::say(QWidget* widget, const char* source, const QString& argument) {
  widget->setProperty(kSource, QByteArray(source));
  widget->setProperty(kArgument, argument.isNull() ? QVariant() : QVariant(argument));
  const QString text = QCoreApplication::translate(metaObject()->className(), source);
  show_text(widget, argument.isNull() ? text : text.arg(argument));
}

QLabel* ServiceDialog::worded_label(const char* name, const char* source, QWidget* parent) {
  QLabel* label = make_label(name, "", parent);
  say(label, source);
  return label;
}

QPushButton* ServiceDialog::worded_button(const char* name, const char* source, QWidget* parent) {
  QPushButton* button = make_button(name, "", parent);
  say(button, source);
  return button;
}

QGroupBox* ServiceDialog::worded_frame(const char* name, const char* source, QWidget* parent) {
  QGroupBox* frame = make_frame(name, "", parent);
  say(frame, source);
  return frame;
}

void ServiceDialog::retranslate() {
  QList<QWidget*> widgets = findChildren<QWidget*>();
  widgets.prepend(this);
  for (QWidget* widget : widgets) {
    const QByteArray source = widget->property(kSource).toByteArray();
    if (source.isEmpty()) continue;
    const QVariant argument = widget->property(kArgument);
    say(widget, source.constData(), argument.isValid() ? argument.toString() : QString());
  }
}

void ServiceDialog::show_as_is(QWidget* widget, const QString& text) {
  widget->setProperty(kSource, QVariant());
  widget->setProperty(kArgument, QVariant());
  show_text(widget, text);
}

void ServiceDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void ServiceDialog::refuse(const QString& text) { exchanges_.show(attention_box(text)); }

Message ServiceDialog::attention_box(const QString& text) {
  return translated(attention(as_is(text.toStdString())));
}

}  // namespace m27
