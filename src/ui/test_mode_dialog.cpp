#include "ui/test_mode_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "service/colours.h"
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

TestModeDialog::TestModeDialog(MainWindow& main_window)
    : ServiceDialog(main_window, "Form4", "测试模式") {
  auto* page = new QHBoxLayout(this);
  page->setContentsMargins(14, 12, 14, 14);
  page->setSpacing(12);
  page->setSizeConstraint(QLayout::SetFixedSize);
  page->addWidget(build_Frame1());
  page->addWidget(build_Frame2(), 0, Qt::AlignTop);

  connect(Command1_, &QPushButton::clicked, this, &TestModeDialog::Command1_Click);
  connect(Command2_, &QPushButton::clicked, this, &TestModeDialog::Command2_Click);
  connect(Command3_, &QPushButton::clicked, this, &TestModeDialog::Command3_Click);
  connect(Command4_, &QPushButton::clicked, this, &TestModeDialog::Command4_Click);
  enable_buttons();
}

QWidget* TestModeDialog::build_Frame1() {
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
  } rows[] = {{"Label1", "RSSI(Reg68)", "Text1", &Text1_},
              {"Label2", "SNR(Reg102)", "Text2", &Text2_},
              {"Label3", "AFC(Reg70)", "Text3", &Text3_},
              {"Label4", "AudioLv(Reg74)", "Text4", &Text4_}};
  int row = 0;
  for (const auto& r : rows) {
    *r.field = make_text(r.text, QStringLiteral("0"), kTextWidth, frame);
    grid->addWidget(make_label(r.label, r.caption, frame), row, 0);
    grid->addWidget(*r.field, row, 1);
    ++row;
  }
  Command1_ = make_button("Command1", "开始", frame);
  Command2_ = make_button("Command2", "停止", frame);
  grid->addLayout(button_row(Command1_, Command2_), row, 0, 1, 2);
  return frame;
}

QWidget* TestModeDialog::build_Frame2() {
  QGroupBox* frame = make_frame("Frame2", "电池AD监控", this);
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(12, 10, 12, 12);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(8);
  Text5_ = make_text("Text5", QStringLiteral("0"), kTextWidth, frame);
  Shape1_ = new Lamp("Shape1", kGreen, frame);
  grid->addWidget(make_label("Label6", "AD 值", frame), 0, 0);
  grid->addWidget(Text5_, 0, 1);
  grid->addWidget(make_label("Label5", "充电", frame), 1, 0);
  grid->addWidget(Shape1_, 1, 1, Qt::AlignCenter);
  Command3_ = make_button("Command3", "开始", frame);
  Command4_ = make_button("Command4", "停止", frame);
  grid->addLayout(button_row(Command3_, Command4_), 2, 0, 1, 2);
  return frame;
}

void TestModeDialog::enable_buttons() {
  for (QPushButton* button : {Command1_, Command2_, Command3_, Command4_}) {
    button->setEnabled(exchange_commands_enabled());
  }
}

void TestModeDialog::send(MonitorButton button) {
  start_exchange(std::make_unique<MonitorCommand>(button));
}

void TestModeDialog::display_Monit(const RxData& rx_data) {
  const MonitorView view = m27::display_Monit(rx_data);
  if (const auto* rssi = std::get_if<RssiMonitor>(&view)) {
    Text1_->setText(text_of(rssi->Text1));
    Text2_->setText(text_of(rssi->Text2));
    Text3_->setText(text_of(rssi->Text3));
    Text4_->setText(text_of(rssi->Text4));
  } else if (const auto* battery = std::get_if<BatteryMonitor>(&view)) {
    Shape1_->set_fill_colour(battery->Shape1);
    Text5_->setText(text_of(battery->Text5));
  }
}

}  // namespace m27
