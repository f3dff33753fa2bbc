// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drop-down box whose value may be one of its items or any text set by the program (a value
// from a channel file, say). Each value is shown in the words of the language in use, and a
// choice gives the value back. The user only picks items: typed characters are dropped, a click
// on the text opens the list, and the mouse wheel does not change the choice.
// With `Typing::Allowed` the user may also type a text of his own.

#include <QComboBox>
#include <QStringList>

namespace m27 {

class ChoiceBox : public QComboBox {
  Q_OBJECT

 public:
  enum class Typing { Dropped, Allowed };

  ChoiceBox(const char* name, QWidget* parent, Typing typing = Typing::Dropped);

  void set_items(const QStringList& values);

  // Shows `value`, selecting the item of that value when there is one.
  void show_text(const QString& value);

 signals:
  // The user chose the item of `value`.
  void chosen(const QString& value);

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QString value_;  // what show_text last showed
};

}  // namespace m27
