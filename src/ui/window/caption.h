// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A caption as written, kept beside the menu, item or button that shows it, so that the window
// that owns it can show it again in another language (MainWindow::retranslate).

#include <QByteArray>

class QObject;
class QString;

namespace m27 {

// Shows `source` on a QMenu (its title), a QAction or a button, and keeps it.
void set_caption(QObject* object, const char* source);

// The kept caption; empty for an object without one.
QByteArray caption_source(const QObject* object);

// Shows `text` where set_caption showed the caption.
void show_caption(QObject* object, const QString& text);

}  // namespace m27
