// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/progress_window.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace m27 {

ProgressWindow::ProgressWindow(QWidget* parent) : QWidget(parent), bar_(new QProgressBar(this)) {
  setObjectName(QStringLiteral("Form5"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  bar_->setObjectName(QStringLiteral("ProgressBar1"));
  bar_->setValue(0);
  bar_->setTextVisible(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->addWidget(bar_);
  setFixedSize(360, 64);
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
  emit query_unload();
  QWidget::closeEvent(event);
}

}  // namespace m27
