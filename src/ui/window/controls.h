// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plain controls of the windows, each made with its name and caption. The caption is kept with
// the translation context it was marked in, for retranslate_captions (ui/window/caption.h).

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace m27 {

QPushButton* make_button(const char* name, const char* caption, QWidget* parent,
                         const char* context = "m27::MainWindow");
QLabel* make_label(const char* name, const char* text, QWidget* parent,
                   const char* context = "m27::MainWindow");
QGroupBox* make_frame(const char* name, const char* caption, QWidget* parent,
                      const char* context = "m27::MainWindow");
// A one-line text box of the given width with its text centred.
QLineEdit* make_text(const char* name, const QString& text, int width, QWidget* parent);

}  // namespace m27
