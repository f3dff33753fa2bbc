// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/choice_box.h"

#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace m27 {

ChoiceBox::ChoiceBox(const char* name, QWidget* parent, Typing typing) : QComboBox(parent) {
  setObjectName(QString::fromUtf8(name));
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  setMaxVisibleItems(20);
  if (typing == Typing::Dropped) {
    lineEdit()->setReadOnly(true);
    lineEdit()->installEventFilter(this);
  }
}

void ChoiceBox::set_items(const QStringList& items) {
  const QSignalBlocker quiet(this);
  const QString text = currentText();
  clear();
  addItems(items);
  show_text(text);
}

void ChoiceBox::show_text(const QString& text) {
  if (currentText() == text) return;  // keeps the cursor of a user typing in the box
  const QSignalBlocker quiet(this);
  const int index = findText(text, Qt::MatchExactly);
  if (index >= 0) setCurrentIndex(index);
  if (currentText() != text) setEditText(text);
}

bool ChoiceBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress && isEnabled()) {
    showPopup();
    return true;
  }
  return QComboBox::eventFilter(watched, event);
}

void ChoiceBox::wheelEvent(QWheelEvent* event) { event->ignore(); }

}  // namespace m27
