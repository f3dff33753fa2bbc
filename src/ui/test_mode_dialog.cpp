// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/test_mode_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "service/monitor.h"
#include "ui/controls.h"
#include "ui/lamp.h"

namespace m27 {
namespace {

constexpr int kTextWidth = 72;

// The start and stop buttons of a group, side by side below its fields.
QHBoxLayout* button_row(QPushButton* start, QPushButton* stop) {
  auto* row = new QHBoxLayout;
  row->setSpacing(10);
  row->addStretch(1);
  row->addWidget(start);
  row->addWidget(stop);
  return row;
}

QString text_of(const std::string& value) { return QString::fromStdString(value); }

}  // namespace

TestModeDialog::TestModeDialog(ExchangeController& exchanges)
    : ServiceDialog(exchanges, "Form4", "测试模式") {
  auto* page = new QHBoxLayout(this);
  page->setContentsMargins(14, 12, 14, 14);
  page->setSpacing(12);
  page->setSizeConstraint(QLayout::SetFixedSize);
  page->addWidget(build_receiver_frame());
  page->addWidget(build_battery_frame(), 0, Qt::AlignTop);

  connect(start_rssi_button_, &QPushButton::clicked, this, &TestModeDialog::start_rssi);
  connect(stop_rssi_button_, &QPushButton::clicked, this, &TestModeDialog::stop_rssi);
  connect(start_battery_button_, &QPushButton::clicked, this, &TestModeDialog::start_battery);
  connect(stop_battery_button_, &QPushButton::clicked, this, &TestModeDialog::stop_battery);
  enable_buttons();
}

QWidget* TestModeDialog::build_receiver_frame() {
  QGroupBox* frame = make_frame("Frame1", "RSSI 监控", this);
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(12, 10, 12, 12);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(8);
  const struct {
    const char* label;
    const char* caption;
    const char* text;
    QLineEdit** field;
  } rows[] = {{"Label1", "RSSI(Reg68)", "Text1", &rssi_edit_},
              {"Label2", "SNR(Reg102)", "Text2", &snr_edit_},
              {"Label3", "AFC(Reg70)", "Text3", &afc_edit_},
              {"Label4", "AudioLv(Reg74)", "Text4", &audio_edit_}};
  int row = 0;
  for (const auto& r : rows) {
    *r.field = make_text(r.text, QStringLiteral("0"), kTextWidth, frame);
    grid->addWidget(make_label(r.label, r.caption, frame), row, 0);
    grid->addWidget(*r.field, row, 1);
    ++row;
  }
  start_rssi_button_ = make_button("Command1", "开始", frame);
  stop_rssi_button_ = make_button("Command2", "停止", frame);
  grid->addLayout(button_row(start_rssi_button_, stop_rssi_button_), row, 0, 1, 2);
  return frame;
}

QWidget* TestModeDialog::build_battery_frame() {
  QGroupBox* frame = make_frame("Frame2", "电池AD监控", this);
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(12, 10, 12, 12);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(8);
  battery_edit_ = make_text("Text5", QStringLiteral("0"), kTextWidth, frame);
  charge_lamp_ = new Lamp("Shape1", kLampGreen, frame);
  grid->addWidget(make_label("Label6", "AD 值", frame), 0, 0);
  grid->addWidget(battery_edit_, 0, 1);
  grid->addWidget(make_label("Label5", "充电", frame), 1, 0);
  grid->addWidget(charge_lamp_, 1, 1, Qt::AlignCenter);
  start_battery_button_ = make_button("Command3", "开始", frame);
  stop_battery_button_ = make_button("Command4", "停止", frame);
  grid->addLayout(button_row(start_battery_button_, stop_battery_button_), 2, 0, 1, 2);
  return frame;
}

void TestModeDialog::enable_buttons() {
  for (QPushButton* button :
       {start_rssi_button_, stop_rssi_button_, start_battery_button_, stop_battery_button_}) {
    button->setEnabled(exchange_commands_enabled());
  }
}

void TestModeDialog::send(MonitorButton button) {
  start_exchange(std::make_unique<MonitorCommand>(button));
}

void TestModeDialog::decode_monitor_packet(const Frame& packet) {
  const MonitorView view = m27::decode_monitor_packet(packet);
  if (const auto* rssi = std::get_if<RssiMonitor>(&view)) {
    rssi_edit_->setText(text_of(rssi->rssi));
    snr_edit_->setText(text_of(rssi->snr));
    afc_edit_->setText(text_of(rssi->afc));
    audio_edit_->setText(text_of(rssi->audio));
  } else if (const auto* battery = std::get_if<BatteryMonitor>(&view)) {
    charge_lamp_->set_fill_colour(battery->charging ? kLampRed : kLampGreen);
    battery_edit_->setText(text_of(battery->battery_level));
  }
}

}  // namespace m27
