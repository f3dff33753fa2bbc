#include "ui/message_boxes.h"

#include <QMessageBox>

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

QString title_of(const Message& message) {
  return QString::fromStdString(message.title.empty() ? kDefaultTitle : message.title);
}

}  // namespace

void QueuedMessageBoxes::show(const Message& message, std::function<void()> then) {
  enqueue({message, false, [then = std::move(then)](bool) {
             if (then) then();
           }});
}

void QueuedMessageBoxes::ask_yes_no(const Message& question, std::function<void(bool yes)> answer) {
  enqueue({question, true, std::move(answer)});
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

  const auto buttons = pending.yes_no ? QMessageBox::Yes | QMessageBox::No
                                      : QMessageBox::StandardButtons(QMessageBox::Ok);
  auto* box = new QMessageBox(icon_of(pending.message.icon), title_of(pending.message),
                              QString::fromStdString(pending.message.text), buttons, owner_);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::ApplicationModal);
  QObject::connect(box, &QMessageBox::finished, box,
                   [this, done = std::move(pending.done)](int result) {
                     if (done) done(result == QMessageBox::Yes);
                     show_next();
                   });
  box->show();
}

}  // namespace m27
