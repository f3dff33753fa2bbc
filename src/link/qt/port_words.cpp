// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/port_words.h"

#include <QCoreApplication>

#include "link/qt/port_check.h"

namespace m27 {

QString said(const char* text) { return QCoreApplication::translate("link", text); }

QString cannot_open(OpenOutcome outcome, const QString& device, const QString& reason) {
  switch (outcome) {
    case OpenOutcome::DoesNotExist:
      return said(QT_TRANSLATE_NOOP("link", "串口不存在：%1")).arg(device);
    case OpenOutcome::InUseOrNoPermission:
      if (!may_open(device))
        return said(QT_TRANSLATE_NOOP("link", "没有权限打开串口 %1")).arg(device);
      return said(QT_TRANSLATE_NOOP("link", "串口已被占用：%1")).arg(device);
    case OpenOutcome::Opened:
    case OpenOutcome::Failed:
      break;
  }
  return said(QT_TRANSLATE_NOOP("link", "串口无法打开：%1（%2）")).arg(device, reason);
}

QString dialout_hint() {
  return said(QT_TRANSLATE_NOOP(
      "link", "请把自己加入dialout组：sudo usermod -aG dialout $USER，然后重新登录"));
}

std::optional<QString> dialout_hint(OpenOutcome outcome, const QString& device) {
  if (outcome != OpenOutcome::InUseOrNoPermission || may_open(device)) return std::nullopt;
  return dialout_hint();
}

}  // namespace m27
