// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/window/caption.h"

namespace m27 {

QPushButton* make_button(const char* name, const char* caption, QWidget* parent,
                         const char* context) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromUtf8(name));
  set_caption(button, caption, context);
  return button;
}

QLabel* make_label(const char* name, const char* text, QWidget* parent, const char* context) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromUtf8(name));
  set_caption(label, text, context);
  return label;
}

QGroupBox* make_frame(const char* name, const char* caption, QWidget* parent, const char* context) {
  auto* frame = new QGroupBox(parent);
  frame->setObjectName(QString::fromUtf8(name));
  set_caption(frame, caption, context);
  return frame;
}

QLineEdit* make_text(const char* name, const QString& text, int width, QWidget* parent) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(QString::fromUtf8(name));
  box->setFixedWidth(width);
  box->setAlignment(Qt::AlignCenter);
  return box;
}

}  // namespace m27
