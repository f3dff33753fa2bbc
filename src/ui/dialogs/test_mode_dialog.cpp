// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/test_mode_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/file_io.h"
#include "service/monitor.h"
#include "ui/controllers/exchange_controller.h"
#include "ui/dialogs/strip_chart.h"
#include "ui/window/controls.h"
#include "ui/window/lamp.h"

namespace m27 {
namespace {

constexpr int kTextWidth = 72;

// The save, start and stop buttons of a group, side by side below its fields.
QHBoxLayout* button_row(QPushButton* save, QPushButton* start, QPushButton* stop) {
  auto* row = new QHBoxLayout;
  row->setSpacing(10);
  row->addWidget(save);
  row->addStretch(1);
  row->addWidget(start);
  row->addWidget(stop);
  return row;
}

QGridLayout* group_grid(QGroupBox* frame) {
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(12, 10, 12, 12);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(8);
  return grid;
}

QString text_of(const std::string& value) { return QString::fromStdString(value); }

}  // namespace

TestModeDialog::TestModeDialog(ExchangeController& exchanges, MonitorRuns& runs)
    : ServiceDialog(exchanges, "Form4", QT_TR_NOOP("测试模式")), runs_(runs) {
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(14, 12, 14, 14);
  page->setSpacing(12);
  page->setSizeConstraint(QLayout::SetFixedSize);
  page->addWidget(build_receiver_frame());
  page->addWidget(build_battery_frame());

  connect(start_rssi_button_, &QPushButton::clicked, this, &TestModeDialog::start_rssi);
  connect(stop_rssi_button_, &QPushButton::clicked, this, &TestModeDialog::stop_rssi);
  connect(start_battery_button_, &QPushButton::clicked, this, &TestModeDialog::start_battery);
  connect(stop_battery_button_, &QPushButton::clicked, this, &TestModeDialog::stop_battery);
  enable_buttons();
  retranslate();
}

QWidget* TestModeDialog::build_receiver_frame() {
  QGroupBox* frame = worded_frame("Frame1", QT_TR_NOOP("RSSI 监控"), this);
  QGridLayout* grid = group_grid(frame);
  const struct {
    const char* label;
    const char* caption;
    const char* text;
    const char* chart;
    QLineEdit** field;
  } rows[] = {{"Label1", "RSSI(Reg68)", "Text1", "rssi_chart", &rssi_edit_},
              {"Label2", "SNR(Reg102)", "Text2", "snr_chart", &snr_edit_},
              {"Label3", "AFC(Reg70)", "Text3", "afc_chart", &afc_edit_},
              {"Label4", "AudioLv(Reg74)", "Text4", "audio_chart", &audio_edit_}};
  int row = 0;
  for (const auto& r : rows) {
    *r.field = make_text(r.text, QStringLiteral("0"), kTextWidth, frame);
    rssi_charts_ << new StripChart(r.chart, runs_.rssi, row, TraceStyle::Line, frame);
    grid->addWidget(make_label(r.label, r.caption, frame), row, 0);
    grid->addWidget(*r.field, row, 1);
    grid->addWidget(rssi_charts_.back(), row, 2);
    ++row;
  }
  save_rssi_button_ = worded_button("save_rssi_samples", QT_TR_NOOP("保存数据…"), frame);
  connect(save_rssi_button_, &QPushButton::clicked, this,
          [this] { choose_file_and_save(MonitorMode::Rssi); });
  start_rssi_button_ = worded_button("Command1", QT_TR_NOOP("开始"), frame);
  stop_rssi_button_ = worded_button("Command2", QT_TR_NOOP("停止"), frame);
  grid->addLayout(button_row(save_rssi_button_, start_rssi_button_, stop_rssi_button_), row, 0, 1,
                  3);
  return frame;
}

// The samples hold the charge lamp as value 0 and the AD value as value 1.
QWidget* TestModeDialog::build_battery_frame() {
  QGroupBox* frame = worded_frame("Frame2", QT_TR_NOOP("电池AD监控"), this);
  QGridLayout* grid = group_grid(frame);
  battery_edit_ = make_text("Text5", QStringLiteral("0"), kTextWidth, frame);
  charge_lamp_ = new Lamp("Shape1", kLampGreen, frame);
  battery_charts_ << new StripChart("battery_chart", runs_.battery, 1, TraceStyle::Line, frame)
                  << new StripChart("charge_chart", runs_.battery, 0, TraceStyle::Band, frame);
  grid->addWidget(worded_label("Label6", QT_TR_NOOP("AD 值"), frame), 0, 0);
  grid->addWidget(battery_edit_, 0, 1);
  grid->addWidget(battery_charts_[0], 0, 2);
  grid->addWidget(worded_label("Label5", QT_TR_NOOP("充电"), frame), 1, 0);
  grid->addWidget(charge_lamp_, 1, 1, Qt::AlignCenter);
  grid->addWidget(battery_charts_[1], 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
  save_battery_button_ = worded_button("save_battery_samples", QT_TR_NOOP("保存数据…"), frame);
  connect(save_battery_button_, &QPushButton::clicked, this,
          [this] { choose_file_and_save(MonitorMode::Battery); });
  start_battery_button_ = worded_button("Command3", QT_TR_NOOP("开始"), frame);
  stop_battery_button_ = worded_button("Command4", QT_TR_NOOP("停止"), frame);
  grid->addLayout(button_row(save_battery_button_, start_battery_button_, stop_battery_button_), 2,
                  0, 1, 3);
  return frame;
}

// 保存数据… waits for the exchange too, as every button of the service dialogs does.
void TestModeDialog::enable_buttons() {
  for (QPushButton* button : {start_rssi_button_, stop_rssi_button_, start_battery_button_,
                              stop_battery_button_, save_rssi_button_, save_battery_button_}) {
    button->setEnabled(exchange_commands_enabled());
  }
}

// A 开始 starts its own group's run afresh and ends the other's; either 停止 ends both.
void TestModeDialog::send(MonitorButton button) {
  if (!start_exchange(std::make_unique<MonitorCommand>(button))) return;
  runs_.pressed(button, Clock::now());
  update_charts(rssi_charts_ + battery_charts_);
}

void TestModeDialog::update_charts(const QList<StripChart*>& charts) {
  for (StripChart* chart : charts) chart->update();
}

void TestModeDialog::decode_monitor_packet(const Frame& packet) {
  const MonitorView view = m27::decode_monitor_packet(packet);
  if (const auto* rssi = std::get_if<RssiMonitor>(&view)) {
    rssi_edit_->setText(text_of(rssi->rssi));
    snr_edit_->setText(text_of(rssi->snr));
    afc_edit_->setText(text_of(rssi->afc));
    audio_edit_->setText(text_of(rssi->audio));
    update_charts(rssi_charts_);
  } else if (const auto* battery = std::get_if<BatteryMonitor>(&view)) {
    charge_lamp_->set_fill_colour(battery->charging ? kLampRed : kLampGreen);
    battery_edit_->setText(text_of(battery->battery_level));
    update_charts(battery_charts_);
  }
}

void TestModeDialog::choose_file_and_save(MonitorMode stream) {
  const QString file =
      QFileDialog::getSaveFileName(this, tr("保存数据"), QString(), QStringLiteral("CSV (*.csv)"));
  if (!file.isEmpty()) save_samples(stream, file);
}

void TestModeDialog::save_samples(MonitorMode stream, const QString& file) {
  const MonitorSamples& samples = stream == MonitorMode::Rssi ? runs_.rssi : runs_.battery;
  const std::filesystem::path path(QFile::encodeName(file).toStdString());
  if (const auto failed = replace_file(path, monitor_csv(samples))) {
    refuse(tr("保存数据失败\n%1\n%2").arg(file, QString::fromStdString(failed->reason)));
  }
}

}  // namespace m27
