// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/splash.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "version.h"

namespace m27 {
namespace {

QLabel* add_label(QVBoxLayout* layout, const char* name, const QString& text, int point_size) {
  auto* label = new QLabel(text);
  label->setObjectName(QString::fromUtf8(name));
  label->setAlignment(Qt::AlignCenter);
  QFont font = label->font();
  font.setPointSize(point_size);
  label->setFont(font);
  layout->addWidget(label);
  return label;
}

}  // namespace

Splash::Splash() {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_DeleteOnClose);

  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setFrameStyle(QFrame::Box | QFrame::Raised);
  frame->setLineWidth(2);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(frame);

  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(36, 28, 36, 28);
  layout->setSpacing(14);
  add_label(layout, "lblCompanyProduct", tr("对讲机写频软件"), 18);
  add_label(layout, "lblPlatform", tr("版本：%1").arg(QLatin1String(kVersion)), 11);
  add_label(layout, "lblVersion", tr("发行日：%1").arg(QStringLiteral("2015.11")), 11);

  auto* ok = new QPushButton(tr("确定(&Q)"), frame);
  ok->setObjectName(QStringLiteral("Command1"));
  connect(ok, &QPushButton::clicked, this, &QWidget::close);
  layout->addWidget(ok, 0, Qt::AlignCenter);
  ok->hide();
}

void Splash::mousePressEvent(QMouseEvent*) { close(); }

void Splash::keyPressEvent(QKeyEvent*) { close(); }

}  // namespace m27
