// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/port_messages.h"

#include <QCoreApplication>
#include <QStringList>

#include "i18n/translated.h"
#include "link/qt/port_words.h"

namespace m27 {
namespace {

const char* item_text(int port_no) {
  switch (port_no) {
    case 1:
      return QT_TRANSLATE_NOOP("m27::PortMessages", "该串口1 不存在或有问题");
    case 2:
      return QT_TRANSLATE_NOOP("m27::PortMessages", "该串口2不存在或有问题");
    case 3:
      return QT_TRANSLATE_NOOP("m27::PortMessages", "该串口3不存在或有问题");
    case 4:
      return QT_TRANSLATE_NOOP("m27::PortMessages", "串口4不存在或有问题");
    case 5:
      return QT_TRANSLATE_NOOP("m27::PortMessages", "串口5不存在或有问题");
    case 6:
      return QT_TRANSLATE_NOOP("m27::PortMessages", "该串口6不存在或有问题");
    default:
      return QT_TRANSLATE_NOOP("m27::PortMessages", "该串口 不存在或有问题");
  }
}

bool reports(int port_no, OpenOutcome outcome) {
  if (port_no <= 2) return true;
  return outcome == OpenOutcome::DoesNotExist || outcome == OpenOutcome::InUseOrNoPermission;
}

}  // namespace

std::optional<Message> port_failure_message(int port_no, OpenOutcome outcome,
                                            const QString& device) {
  if (outcome == OpenOutcome::Opened || !reports(port_no, outcome)) return std::nullopt;
  QStringList lines{QCoreApplication::translate("m27::PortMessages", item_text(port_no))};
  if (outcome == OpenOutcome::InUseOrNoPermission) {
    lines << cannot_open(outcome, device);
    if (const auto hint = dialout_hint(outcome, device)) lines << *hint;
  }
  return translated(attention(as_is(lines.join('\n').toStdString())));
}

}  // namespace m27
