// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drop-down box whose text may be one of its items or any text set by the program (a value
// from a channel file, say). The user only picks items: typed characters are dropped, a click
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

  void set_items(const QStringList& items);

  // Shows `text`, selecting the item of that text when there is one.
  void show_text(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
};

}  // namespace m27
