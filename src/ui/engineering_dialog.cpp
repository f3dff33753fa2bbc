#include "ui/engineering_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "service/rssi.h"
#include "service/rssi_operations.h"
#include "ui/controls.h"

namespace m27 {
namespace {

constexpr int kLoadNarrow = 42;
constexpr int kLoadWide = 40;
constexpr int kTextWidth = 48;
constexpr int kScrollWidth = 180;
constexpr int kScrollPage = 10;

QScrollBar* make_scrollbar(const char* name, QWidget* parent) {
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  bar->setObjectName(QString::fromUtf8(name));
  bar->setRange(kRssiMin, kRssiMax);
  bar->setPageStep(kScrollPage);
  bar->setValue(kRssiMin);
  bar->setFixedWidth(kScrollWidth);
  return bar;
}

// `HScroll1_Change`, `HScroll2_Change`.
void write_value_on_change(QScrollBar* bar, QLineEdit* text) {
  QObject::connect(bar, &QScrollBar::valueChanged, text,
                   [text](int value) { text->setText(QString::number(value)); });
}

}  // namespace

EngineeringDialog::EngineeringDialog(MainWindow& main_window)
    : ServiceDialog(main_window, "Form3", "工程模式") {
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(14, 12, 14, 14);
  page->setSpacing(10);
  page->setSizeConstraint(QLayout::SetFixedSize);
  Command1_ = make_button("Command1", "数据读取", this);
  page->addWidget(Command1_, 0, Qt::AlignLeft);
  page->addWidget(build_Frame1());

  connect(Command1_, &QPushButton::clicked, this, &EngineeringDialog::Command1_Click);
  connect(Command2_, &QPushButton::clicked, this, &EngineeringDialog::Command2_Click);
  write_value_on_change(HScroll1_, Text1_);
  write_value_on_change(HScroll2_, Text2_);
  Form_Load();
  enable_buttons();
}

QWidget* EngineeringDialog::build_Frame1() {
  QGroupBox* frame = make_frame("Frame1", "RSSI调整", this);
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(12, 10, 12, 12);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(10);
  Text1_ = make_text("Text1", QString(), kTextWidth, frame);
  Text2_ = make_text("Text2", QString(), kTextWidth, frame);
  HScroll1_ = make_scrollbar("HScroll1", frame);
  HScroll2_ = make_scrollbar("HScroll2", frame);
  grid->addWidget(make_label("Label1", "RSSI窄带", frame), 0, 0);
  grid->addWidget(Text1_, 0, 1);
  grid->addWidget(HScroll1_, 0, 2);
  grid->addWidget(make_label("Label2", "RSSI宽带", frame), 1, 0);
  grid->addWidget(Text2_, 1, 1);
  grid->addWidget(HScroll2_, 1, 2);
  Command2_ = make_button("Command2", "调整", frame);
  grid->addWidget(Command2_, 2, 2, Qt::AlignRight);
  return frame;
}

void EngineeringDialog::Form_Load() {
  HScroll1_->setValue(kLoadNarrow);
  HScroll2_->setValue(kLoadWide);
}

void EngineeringDialog::enable_buttons() {
  Command1_->setEnabled(exchange_commands_enabled());
  Command2_->setEnabled(exchange_commands_enabled());
}

void EngineeringDialog::Command1_Click() {
  start_exchange(std::make_unique<ReadRssi>(),
                 [this](const ReplyData& reply) { display_RSSI(reply.rx_data); });
}

void EngineeringDialog::Command2_Click() {
  start_exchange(
      std::make_unique<AdjustRssi>(Text1_->text().toStdString(), Text2_->text().toStdString()));
}

void EngineeringDialog::display_RSSI(const RxData& rx_data) {
  const RssiFields shown = m27::display_RSSI(rx_data);
  HScroll1_->setValue(shown.HScroll1);
  Text1_->setText(QString::fromStdString(shown.Text1));
  HScroll2_->setValue(shown.HScroll2);
  Text2_->setText(QString::fromStdString(shown.Text2));
}

}  // namespace m27
