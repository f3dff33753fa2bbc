// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/radio_id_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "service/id_operations.h"
#include "service/radio_id.h"
#include "ui/grid/typing_filter.h"
#include "ui/window/controls.h"
#include "ui/window/lamp.h"

namespace m27 {
namespace {

constexpr int kIdWidth = 110;
constexpr int kCountWidth = 60;

}  // namespace

RadioIdDialog::RadioIdDialog(ExchangeController& exchanges)
    : ServiceDialog(exchanges, "Form6", QT_TR_NOOP("输入ID")) {
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(14, 12, 14, 14);
  page->setSizeConstraint(QLayout::SetFixedSize);
  page->addWidget(id_bytes());

  id_edit_->installEventFilter(this);
  connect(write_button_, &QPushButton::clicked, this, &RadioIdDialog::write_id);
  connect(read_button_, &QPushButton::clicked, this, &RadioIdDialog::read_id);
  enable_buttons();
  retranslate();
}

QWidget* RadioIdDialog::id_bytes() {
  QGroupBox* frame = make_frame("ID", "ID", this);
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(12, 10, 12, 12);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(12);
  id_edit_ = make_text("Text1", QStringLiteral("0"), kIdWidth, frame);
  id_edit_->setMaxLength(kIdMaxLength);
  successes_edit_ = make_text("Text2", QStringLiteral("0"), kCountWidth, frame);
  write_button_ = worded_button("Command1", QT_TR_NOOP("写ID"), frame);
  read_button_ = worded_button("Command2", QT_TR_NOOP("读ID"), frame);
  grid->addWidget(make_label("Label1", "ID", frame), 0, 0);
  grid->addWidget(id_edit_, 0, 1);
  grid->addWidget(worded_label("Label3", QT_TR_NOOP("(十进制)"), frame), 0, 2);
  grid->addWidget(write_button_, 1, 1);
  grid->addWidget(read_button_, 1, 2);
  grid->addWidget(worded_label("Label2", QT_TR_NOOP("成功数"), frame), 2, 0);
  grid->addWidget(successes_edit_, 2, 1, Qt::AlignLeft);
  // Enter in the ID field leads on to "写ID", the next radio's one click.
  setTabOrder(id_edit_, write_button_);
  setTabOrder(write_button_, read_button_);
  setTabOrder(read_button_, successes_edit_);
  return frame;
}

QColor RadioIdDialog::preparing_colour() const {
  return palette().color(QPalette::Inactive, QPalette::Window);
}

void RadioIdDialog::set_lamp(const QColor& colour) {
  QPalette lamp = id_edit_->palette();
  lamp.setColor(QPalette::Base, colour);
  id_edit_->setPalette(lamp);
}

void RadioIdDialog::enable_buttons() {
  write_button_->setEnabled(exchange_commands_enabled() && !writing_);
  read_button_->setEnabled(exchange_commands_enabled() && !reading_);
}

// "写ID": nothing happens while another exchange runs.
void RadioIdDialog::write_id() {
  if (exchange_running()) return;
  set_lamp(preparing_colour());
  writing_ = true;
  enable_buttons();
  const std::string typed = id_edit_->text().toStdString();
  start_exchange(std::make_unique<WriteId>(typed), {},
                 [this, written = id_value(typed)](bool ok) { write_finished(written, ok); });
}

void RadioIdDialog::write_finished(std::optional<std::uint32_t> written, bool ok) {
  if (ok && written) {
    set_lamp(kLampGreen);
    const IdFields next = after_write(*written, successes_edit_->text().toStdString());
    successes_edit_->setText(QString::fromStdString(next.successes));
    id_edit_->setText(QString::fromStdString(next.id));
  } else {
    set_lamp(kLampRed);
  }
  writing_ = false;
  enable_buttons();
  write_button_->setFocus();
}

// "读ID": nothing happens while another exchange runs.
void RadioIdDialog::read_id() {
  if (exchange_running()) return;
  reading_ = true;
  enable_buttons();
  start_exchange(
      std::make_unique<ReadId>(),
      [this](const ReplyData& reply) {
        const auto id = decode_id(reply.reply);
        if (!id) return;
        id_edit_->setText(QString::fromStdString(*id));
        emit id_read(id_edit_->text());
      },
      [this](bool ok) { read_finished(ok); });
}

void RadioIdDialog::read_finished(bool ok) {
  if (ok) set_lamp(kLampGreen);
  reading_ = false;
  enable_buttons();
}

bool RadioIdDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched != id_edit_ || event->type() != QEvent::KeyPress) {
    return ServiceDialog::eventFilter(watched, event);
  }
  return filter_typing(*static_cast<QKeyEvent*>(event), id_input_allowed,
                       [this] { focusNextPrevChild(true); });
}

}  // namespace m27
