// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/message_boxes.h"

#include <QCoreApplication>
#include <QPushButton>

namespace m27 {
namespace {

QMessageBox::Icon icon_of(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QString words(const char* source) {
  return QCoreApplication::translate("m27::MessageBoxes", source);
}

QString title_of(const Message& message) {
  return message.title.empty() ? words(kDefaultTitle) : QString::fromStdString(message.title);
}

}  // namespace

QMessageBox::StandardButtons QueuedMessageBoxes::buttons_of(Buttons buttons) {
  switch (buttons) {
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::SaveDiscardCancel:
      return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case Buttons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

void QueuedMessageBoxes::show(const Message& message, std::function<void()> then) {
  enqueue({message, Buttons::Ok, [then = std::move(then)](int) {
             if (then) then();
           }});
}

void QueuedMessageBoxes::ask_yes_no(const Message& question, std::function<void(bool yes)> answer) {
  enqueue({question, Buttons::YesNo, [answer = std::move(answer)](int result) {
             if (answer) answer(result == QMessageBox::Yes);
           }});
}

void QueuedMessageBoxes::ask_save(const Message& question, std::function<void(SaveAnswer)> answer) {
  enqueue({question, Buttons::SaveDiscardCancel, [answer = std::move(answer)](int result) {
             if (!answer) return;
             answer(result == QMessageBox::Save      ? SaveAnswer::Save
                    : result == QMessageBox::Discard ? SaveAnswer::Discard
                                                     : SaveAnswer::Cancel);
           }});
}

void QueuedMessageBoxes::enqueue(Pending pending) {
  queue_.push_back(std::move(pending));
  if (!showing_) show_next();
}

void QueuedMessageBoxes::show_next() {
  if (queue_.empty()) {
    showing_ = false;
    return;
  }
  showing_ = true;
  Pending pending = std::move(queue_.front());
  queue_.pop_front();

  auto* box = new QMessageBox(icon_of(pending.message.icon), title_of(pending.message),
                              QString::fromStdString(pending.message.text),
                              buttons_of(pending.buttons), owner_);
  if (pending.buttons == Buttons::SaveDiscardCancel) {
    box->button(QMessageBox::Save)->setText(words(QT_TRANSLATE_NOOP("m27::MessageBoxes", "保存")));
    box->button(QMessageBox::Discard)
        ->setText(words(QT_TRANSLATE_NOOP("m27::MessageBoxes", "不保存")));
    box->button(QMessageBox::Cancel)
        ->setText(words(QT_TRANSLATE_NOOP("m27::MessageBoxes", "取消")));
    box->setDefaultButton(QMessageBox::Save);
    box->setEscapeButton(QMessageBox::Cancel);
  }
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::ApplicationModal);
  QObject::connect(box, &QMessageBox::finished, box,
                   [this, done = std::move(pending.done)](int result) {
                     if (done) done(result);
                     show_next();
                   });
  box->show();
}

}  // namespace m27
