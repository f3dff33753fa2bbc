// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/port_words.h"

#include "link/qt/port_check.h"

namespace m27 {

QString cannot_open(OpenOutcome outcome, const QString& device, const QString& reason) {
  switch (outcome) {
    case OpenOutcome::DoesNotExist:
      return QStringLiteral("串口不存在：") + device;
    case OpenOutcome::InUseOrNoPermission:
      if (!may_open(device)) return QStringLiteral("没有权限打开串口 ") + device;
      return QStringLiteral("串口已被占用：") + device;
    case OpenOutcome::Opened:
    case OpenOutcome::Failed:
      break;
  }
  return QStringLiteral("串口无法打开：%1（%2）").arg(device, reason);
}

QString dialout_hint() {
  return QStringLiteral("请把自己加入dialout组：sudo usermod -aG dialout $USER，然后重新登录");
}

std::optional<QString> dialout_hint(OpenOutcome outcome, const QString& device) {
  if (outcome != OpenOutcome::InUseOrNoPermission || may_open(device)) return std::nullopt;
  return dialout_hint();
}

}  // namespace m27
