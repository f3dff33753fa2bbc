// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/engineering_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "service/rssi.h"
#include "service/rssi_operations.h"
#include "ui/window/controls.h"

namespace m27 {
namespace {

// The scrollbars' range; the radio's values outside it show in the texts only.
constexpr int kScrollMin = 21;
constexpr int kScrollMax = 99;
constexpr int kLoadNarrow = 42;
constexpr int kLoadWide = 40;
constexpr int kTextWidth = 48;
constexpr int kScrollWidth = 180;
constexpr int kScrollPage = 10;

QScrollBar* make_scrollbar(const char* name, QWidget* parent) {
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  bar->setObjectName(QString::fromUtf8(name));
  bar->setRange(kScrollMin, kScrollMax);
  bar->setPageStep(kScrollPage);
  bar->setValue(kScrollMin);
  bar->setFixedWidth(kScrollWidth);
  return bar;
}

// `narrow_slider_moved`, `wide_slider_moved`.
void write_value_on_change(QScrollBar* bar, QLineEdit* text) {
  QObject::connect(bar, &QScrollBar::valueChanged, text,
                   [text](int value) { text->setText(QString::number(value)); });
}

}  // namespace

EngineeringDialog::EngineeringDialog(ExchangeController& exchanges)
    : ServiceDialog(exchanges, "Form3", QT_TR_NOOP("工程模式")) {
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(14, 12, 14, 14);
  page->setSpacing(10);
  page->setSizeConstraint(QLayout::SetFixedSize);
  read_button_ = worded_button("Command1", QT_TR_NOOP("数据读取"), this);
  page->addWidget(read_button_, 0, Qt::AlignLeft);
  page->addWidget(build_rssi_frame());

  connect(read_button_, &QPushButton::clicked, this, &EngineeringDialog::read_values);
  connect(adjust_button_, &QPushButton::clicked, this, &EngineeringDialog::adjust_values);
  write_value_on_change(narrow_slider_, narrow_edit_);
  write_value_on_change(wide_slider_, wide_edit_);
  load();
  enable_buttons();
  retranslate();
}

QWidget* EngineeringDialog::build_rssi_frame() {
  QGroupBox* frame = worded_frame("Frame1", QT_TR_NOOP("RSSI调整"), this);
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(12, 10, 12, 12);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(10);
  narrow_edit_ = make_text("Text1", QString(), kTextWidth, frame);
  wide_edit_ = make_text("Text2", QString(), kTextWidth, frame);
  narrow_slider_ = make_scrollbar("HScroll1", frame);
  wide_slider_ = make_scrollbar("HScroll2", frame);
  grid->addWidget(worded_label("Label1", QT_TR_NOOP("RSSI窄带"), frame), 0, 0);
  grid->addWidget(narrow_edit_, 0, 1);
  grid->addWidget(narrow_slider_, 0, 2);
  grid->addWidget(worded_label("Label2", QT_TR_NOOP("RSSI宽带"), frame), 1, 0);
  grid->addWidget(wide_edit_, 1, 1);
  grid->addWidget(wide_slider_, 1, 2);
  adjust_button_ = worded_button("Command2", QT_TR_NOOP("调整"), frame);
  grid->addWidget(adjust_button_, 2, 2, Qt::AlignRight);
  return frame;
}

void EngineeringDialog::load() {
  narrow_slider_->setValue(kLoadNarrow);
  wide_slider_->setValue(kLoadWide);
}

void EngineeringDialog::enable_buttons() {
  read_button_->setEnabled(exchange_commands_enabled());
  adjust_button_->setEnabled(exchange_commands_enabled());
}

void EngineeringDialog::read_values() {
  start_exchange(std::make_unique<ReadRssi>(),
                 [this](const ReplyData& reply) { decode_rssi(reply.reply); });
}

void EngineeringDialog::adjust_values() {
  start_exchange(std::make_unique<AdjustRssi>(narrow_edit_->text().toStdString(),
                                              wide_edit_->text().toStdString()));
}

void EngineeringDialog::decode_rssi(const Frame& reply) {
  const auto values = m27::decode_rssi(reply);
  if (!values) return;
  narrow_slider_->setValue(values->narrow);
  narrow_edit_->setText(QString::number(values->narrow));
  wide_slider_->setValue(values->wide);
  wide_edit_->setText(QString::number(values->wide));
}

}  // namespace m27
