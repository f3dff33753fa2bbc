// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's plug-ins wait until the window has been painted once.

#include <QObject>
#include <QStringList>
#include <QTimer>

class QWidget;

namespace m27 {

// To read the few images its style draws (PNG files, which it decodes itself), Qt first opens
// every image plug-in installed: GIF, ICO and JPEG with Qt itself, and on many desktops SVG, TIFF,
// WebP and more, each with its libraries. Showing the window needs none of them. Made after the
// application (whose platform, theme, style and input plug-ins are loaded by then) and before
// the window, this hides Qt's plug-in folders until the window has been painted once; a reader
// made meanwhile finds the plug-ins when they are back.
class PluginsAfterFirstPaint : public QObject {
 public:
  PluginsAfterFirstPaint();
  ~PluginsAfterFirstPaint() override;

  // The folders come back after `window`'s first paint, or after a few seconds at the latest.
  void watch(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void restore();

  QStringList folders_;
  QTimer latest_;
  bool restored_ = false;
};

}  // namespace m27
