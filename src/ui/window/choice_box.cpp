// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/choice_box.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

#include "ui/window/shown_words.h"

namespace m27 {
namespace {

constexpr int kTextMargin = 2;  // a text field's own margin left and right of its text

// Keys that a read-only text field swallows but a box without one would act on (Home and End
// pick the first and last item, Space opens the list, a letter picks an item starting with it).
bool dropped_without_text_field(const QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      return false;
    default:
      return !key->text().isEmpty();
  }
}

}  // namespace

ChoiceBox::ChoiceBox(const char* name, QWidget* parent, Typing typing)
    : QComboBox(parent), typing_(typing) {
  setObjectName(QString::fromUtf8(name));
  setInsertPolicy(QComboBox::NoInsert);
  setMaxVisibleItems(20);
  if (typing == Typing::Allowed) line_edit();
  connect(this, &QComboBox::activated, this,
          [this](int index) { emit chosen(itemData(index).toString()); });
}

QLineEdit* ChoiceBox::line_edit() {
  if (lineEdit()) return lineEdit();
  const QSignalBlocker quiet(this);
  setEditable(true);
  setCompleter(nullptr);
  if (typing_ == Typing::Dropped) {
    lineEdit()->setReadOnly(true);
    lineEdit()->installEventFilter(this);
  }
  return lineEdit();
}

// A box still without items shows no value yet: its first items do not make it keep one.
void ChoiceBox::set_items(const QStringList& values) {
  const QSignalBlocker quiet(this);
  const bool keep_value = count() > 0 || lineEdit();
  clear();
  for (const QString& value : values) addItem(shown_words(value), value);
  forget_size();
  if (keep_value) {
    show_text(std::exchange(value_, QString()));
  } else {
    value_ = currentData().toString();
  }
}

void ChoiceBox::show_text(const QString& value) {
  const QString text = shown_words(value);
  value_ = value;
  if (currentText() == text) return;  // keeps the cursor of a user typing in the box
  const QSignalBlocker quiet(this);
  const int index = findData(value, Qt::UserRole, Qt::MatchExactly);
  if (index >= 0) setCurrentIndex(index);
  if (currentText() != text) line_edit()->setText(text);
}

// Measured as Qt measures a box that adjusts to its contents.
QSize ChoiceBox::sizeHint() const {
  if (size_hint_.isValid()) return size_hint_;
  const QFontMetrics metrics = fontMetrics();
  int widest = count() == 0 ? 7 * metrics.horizontalAdvance(u'x') : 0;
  for (int i = 0; i < count(); ++i) {
    widest = std::max(widest, metrics.boundingRect(itemText(i)).width());
  }
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const QSize text(widest, std::max(metrics.height(), 14) + 2);
  size_hint_ = style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
  return size_hint_;
}

QSize ChoiceBox::minimumSizeHint() const { return sizeHint(); }

void ChoiceBox::forget_size() {
  size_hint_ = QSize();
  updateGeometry();
}

// Drawn as the text box it becomes, from the start.
void ChoiceBox::initStyleOption(QStyleOptionComboBox* option) const {
  QComboBox::initStyleOption(option);
  option->editable = true;
}

void ChoiceBox::paintEvent(QPaintEvent* event) {
  QComboBox::paintEvent(event);
  if (lineEdit()) return;
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const QRect field =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  painter.drawItemText(field.adjusted(kTextMargin, 0, -kTextMargin, 0),
                       Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), currentText(),
                       QPalette::Text);
}

void ChoiceBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    QStringList values;
    for (int i = 0; i < count(); ++i) values << itemData(i).toString();
    set_items(values);
  }
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) forget_size();
  QComboBox::changeEvent(event);
}

bool ChoiceBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress && isEnabled()) {
    showPopup();
    return true;
  }
  return QComboBox::eventFilter(watched, event);
}

void ChoiceBox::keyPressEvent(QKeyEvent* event) {
  if (!lineEdit() && dropped_without_text_field(event)) return;
  QComboBox::keyPressEvent(event);
}

void ChoiceBox::wheelEvent(QWheelEvent* event) { event->ignore(); }

}  // namespace m27
