// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/caption.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QVariant>

namespace m27 {
namespace {

constexpr const char* kSource = "m27_caption_source";

}  // namespace

void set_caption(QObject* object, const char* source) {
  object->setProperty(kSource, QByteArray(source));
  show_caption(object, QString::fromUtf8(source));
}

QByteArray caption_source(const QObject* object) { return object->property(kSource).toByteArray(); }

void show_caption(QObject* object, const QString& text) {
  if (auto* menu = qobject_cast<QMenu*>(object)) {
    menu->setTitle(text);
  } else if (auto* action = qobject_cast<QAction*>(object)) {
    action->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
    button->setText(text);
  }
}

}  // namespace m27
