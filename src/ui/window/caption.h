// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A caption as written, kept beside the menu, item, button, label or frame that shows it, so that
// the window that owns it can show it again in another language (MainWindow::retranslate).

#include <QByteArray>

class QObject;
class QString;

namespace m27 {

// Shows `source` on a QMenu (its title), a QAction, a button, a label or a frame (as the name a
// screen reader says for any other widget), and keeps it with the translation context it was
// marked in.
void set_caption(QObject* object, const char* source, const char* context = "m27::MainWindow");

// The kept caption; empty for an object without one.
QByteArray caption_source(const QObject* object);

// Shows `text` where set_caption showed the caption.
void show_caption(QObject* object, const QString& text);

// Shows every kept caption of `root` and its children in the language in use.
void retranslate_captions(QObject* root);

}  // namespace m27
