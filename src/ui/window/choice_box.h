// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drop-down box whose value may be one of its items or any text set by the program (a value
// from a channel file, say). Each value is shown in the words of the language in use, and a
// choice gives the value back. The user only picks items: typed characters are dropped, a click
// on the text opens the list, and the mouse wheel does not change the choice.
// With `Typing::Allowed` the user may also type a text of his own.
//
// A box of `Typing::Dropped` looks like a text box from the start but gets its text field only
// when it must show a text that is none of its items (or `line_edit()` asks for it): a text
// field costs a text layout per change, and the main window has seven such boxes to show.
//
// The box is as wide as its widest item in the language in use. It measures its items itself:
// Qt's own way (`AdjustToContents`) builds the box's drop-down list on the spot, which can wait
// for the first time it drops down.

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

  // The box's text field, made now if the box has none yet.
  QLineEdit* line_edit();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // The user chose the item of `value`.
  void chosen(const QString& value);

 protected:
  void changeEvent(QEvent* event) override;
  void initStyleOption(QStyleOptionComboBox* option) const override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void forget_size();

  Typing typing_;
  QString value_;            // what show_text last showed
  mutable QSize size_hint_;  // measured when first asked for after a change of items or font
};

}  // namespace m27
