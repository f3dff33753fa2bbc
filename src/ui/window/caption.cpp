// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/caption.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace m27 {
namespace {

constexpr const char* kSource = "m27_caption_source";
constexpr const char* kContext = "m27_caption_context";

}  // namespace

void set_caption(QObject* object, const char* source, const char* context) {
  object->setProperty(kSource, QByteArray(source));
  object->setProperty(kContext, QByteArray(context));
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
  } else if (auto* label = qobject_cast<QLabel*>(object)) {
    label->setText(text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(object)) {
    frame->setTitle(text);
  } else if (auto* widget = qobject_cast<QWidget*>(object)) {
    widget->setAccessibleName(text);  // a box whose text is its value: the name a reader says
  }
}

void retranslate_captions(QObject* root) {
  QList<QObject*> objects = root->findChildren<QObject*>();
  objects.prepend(root);
  for (QObject* object : objects) {
    const QByteArray source = caption_source(object);
    if (source.isEmpty()) continue;
    const QByteArray context = object->property(kContext).toByteArray();
    show_caption(object, QCoreApplication::translate(context.constData(), source.constData()));
  }
}

}  // namespace m27
