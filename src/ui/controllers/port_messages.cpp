// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/port_messages.h"

#include <QStringList>
#include <string>

#include "link/qt/port_words.h"

namespace m27 {
namespace {

std::string item_text(int port_no) {
  switch (port_no) {
    case 1:
      return "该串口1 不存在或有问题";
    case 2:
      return "该串口2不存在或有问题";
    case 3:
      return "该串口3不存在或有问题";
    case 4:
      return "串口4不存在或有问题";
    case 5:
      return "串口5不存在或有问题";
    case 6:
      return "该串口6不存在或有问题";
    default:
      return "该串口 不存在或有问题";
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
  if (outcome != OpenOutcome::InUseOrNoPermission) return attention(item_text(port_no));
  QStringList lines{QString::fromStdString(item_text(port_no)), cannot_open(outcome, device)};
  if (const auto hint = dialout_hint(outcome, device)) lines << *hint;
  return attention(lines.join('\n').toStdString());
}

}  // namespace m27
