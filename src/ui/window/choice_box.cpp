// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/choice_box.h"

#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "ui/window/shown_words.h"

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
  connect(this, &QComboBox::activated, this,
          [this](int index) { emit chosen(itemData(index).toString()); });
}

void ChoiceBox::set_items(const QStringList& values) {
  const QSignalBlocker quiet(this);
  clear();
  for (const QString& value : values) addItem(shown_words(value), value);
  const QString value = std::exchange(value_, QString());
  show_text(value);
}

void ChoiceBox::show_text(const QString& value) {
  const QString text = shown_words(value);
  value_ = value;
  if (currentText() == text) return;  // keeps the cursor of a user typing in the box
  const QSignalBlocker quiet(this);
  const int index = findData(value, Qt::UserRole, Qt::MatchExactly);
  if (index >= 0) setCurrentIndex(index);
  if (currentText() != text) setEditText(text);
}

void ChoiceBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    QStringList values;
    for (int i = 0; i < count(); ++i) values << itemData(i).toString();
    set_items(values);
  }
  QComboBox::changeEvent(event);
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
