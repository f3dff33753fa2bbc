// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/plugins_after_first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace m27 {
namespace {

// Long enough for a window system to show the window, short enough that nobody prints first.
constexpr int kLatestMs = 5000;

}  // namespace

PluginsAfterFirstPaint::PluginsAfterFirstPaint() : folders_(QCoreApplication::libraryPaths()) {
  QApplication::style();  // a style from a plug-in is loaded now, not looked for in vain
  QCoreApplication::setLibraryPaths({});
  latest_.setSingleShot(true);
  latest_.setInterval(kLatestMs);
  connect(&latest_, &QTimer::timeout, this, &PluginsAfterFirstPaint::restore);
}

PluginsAfterFirstPaint::~PluginsAfterFirstPaint() { restore(); }

void PluginsAfterFirstPaint::watch(QWidget& window) {
  window.installEventFilter(this);
  latest_.start();
}

// The window's own paint event comes first; its children are painted before the queued call.
bool PluginsAfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    watched->removeEventFilter(this);
    QMetaObject::invokeMethod(this, &PluginsAfterFirstPaint::restore, Qt::QueuedConnection);
  }
  return false;
}

void PluginsAfterFirstPaint::restore() {
  if (restored_) return;
  restored_ = true;
  latest_.stop();
  QCoreApplication::setLibraryPaths(folders_);
}

}  // namespace m27
