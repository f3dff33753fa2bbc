// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/connection_check_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "link/qt/port_search.h"
#include "service/connection_check.h"
#include "service/radio_id.h"
#include "ui/controllers/exchange_controller.h"
#include "ui/controllers/port_controller.h"
#include "ui/window/controls.h"

namespace m27 {
namespace {

constexpr int kTextWidth = 460;

}  // namespace

ConnectionCheckDialog::ConnectionCheckDialog(ExchangeController& exchanges, PortController& ports)
    : ServiceDialog(exchanges, "connection_check", QT_TR_NOOP("连接检测")), ports_(ports) {
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(14, 12, 14, 14);
  page->setSizeConstraint(QLayout::SetFixedSize);
  port_label_ = make_label("port", "", this);
  page->addWidget(port_label_);
  auto* rows = new QGridLayout;
  rows->setHorizontalSpacing(8);
  for (int i = 0; i < kSteps; ++i) {
    marks_[i] = make_label(QByteArray("mark").append(char('1' + i)).constData(), "", this);
    texts_[i] = make_label(QByteArray("step").append(char('1' + i)).constData(), "", this);
    texts_[i]->setFixedWidth(kTextWidth);
    texts_[i]->setWordWrap(true);
    texts_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rows->addWidget(marks_[i], i, 0, Qt::AlignTop);
    rows->addWidget(texts_[i], i, 1);
  }
  page->addLayout(rows);
  search_result_ = make_label("search_result", "", this);
  search_result_->setFixedWidth(kTextWidth);
  search_result_->setWordWrap(true);
  search_result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  search_result_->hide();
  page->addWidget(search_result_);
  auto* buttons = new QHBoxLayout;
  check_button_ = worded_button("check", QT_TR_NOOP("重新检测"), this);
  search_button_ = worded_button("search", QT_TR_NOOP("自动查找"), this);
  search_all_ = new QCheckBox(this);
  search_all_->setObjectName(QStringLiteral("search_all"));
  say(search_all_, QT_TR_NOOP("也检测其他串口"));
  buttons->addWidget(search_all_);
  buttons->addStretch();
  buttons->addWidget(check_button_);
  buttons->addWidget(search_button_);
  page->addLayout(buttons);
  connect(check_button_, &QPushButton::clicked, this, &ConnectionCheckDialog::check);
  connect(search_button_, &QPushButton::clicked, this, &ConnectionCheckDialog::search);
  enable_buttons();
  retranslate();
}

// A sequence still asking through the window's link must not hear into a dialog that is gone.
ConnectionCheckDialog::~ConnectionCheckDialog() {
  if (listener_) exchanges().listen(nullptr);
}

void ConnectionCheckDialog::enable_buttons() {
  check_button_->setEnabled(exchange_commands_enabled() && !busy_);
  search_button_->setEnabled(exchange_commands_enabled() && !busy_);
}

void ConnectionCheckDialog::start() {
  busy_ = true;
  enable_buttons();
  show_lines({});
  show_as_is(search_result_, QString());
  search_result_->hide();
  checkers_.clear();
  searched_.clear();
}

void ConnectionCheckDialog::finish() {
  busy_ = false;
  enable_buttons();
}

void ConnectionCheckDialog::check() {
  if (busy_ || !exchange_commands_enabled()) return;
  start();
  const int port_no = ports_.selected_port();
  const PortMap& map = ports_.serial_port().ports();
  const QString device = map.device(port_no);
  const QString name = device.isEmpty() ? QStringLiteral("com%1").arg(port_no) : device;
  say(port_label_, QT_TR_NOOP("串口：%1"), port_name(port_no, device));
  if (!ports_.serial_port().is_open()) {
    auto& checker = *checkers_.emplace_back(std::make_unique<PortChecker>(map, port_no));
    connect(&checker, &PortChecker::answered, this, [this, &checker](const Heard& heard) {
      std::vector<CheckLine> lines = checker.port_lines();
      lines.push_back(answer_step(heard));
      show_lines(lines);
      finish();
    });
    const bool asked = checker.start(std::make_unique<AskForId>(), id_listener());
    show_lines(checker.port_lines());
    if (!asked) finish();
    return;
  }
  std::vector<CheckLine> lines = device_steps(name, look_at(device, map));
  if (lines.back().passed) lines.push_back(already_open_step());
  show_lines(lines);
  if (!lines.back().passed) {
    finish();
    return;
  }
  ask_through_window([this, lines](const Heard& heard) mutable {
    lines.push_back(answer_step(heard));
    show_lines(lines);
    finish();
  });
}

// A row per step taken; the rows of the steps not taken are hidden.
void ConnectionCheckDialog::show_lines(const std::vector<CheckLine>& lines) {
  for (std::size_t i = 0; i < marks_.size(); ++i) {
    const bool taken = i < lines.size();
    marks_[i]->setVisible(taken);
    texts_[i]->setVisible(taken);
    if (!taken) continue;
    marks_[i]->setText(lines[i].passed ? QStringLiteral("✓") : QStringLiteral("✗"));
    marks_[i]->setStyleSheet(lines[i].passed ? QStringLiteral("color: green")
                                             : QStringLiteral("color: red"));
    texts_[i]->setText((QStringList{lines[i].text} + lines[i].notes).join('\n'));
  }
}

// Called only while no exchange runs, so the window's link takes the request.
void ConnectionCheckDialog::ask_through_window(std::function<void(const Heard&)> heard) {
  listener_.emplace(id_listener());
  exchanges().listen(&*listener_);
  start_exchange(std::make_unique<AskForId>(), {}, [this, heard = std::move(heard)](bool) {
    exchanges().listen(nullptr);
    const Heard verdict = listener_->verdict();
    listener_.reset();
    const auto id = verdict.answer == Answer::Reply ? decode_id(verdict.reply) : std::nullopt;
    if (id) emit radio_answered(QString::fromStdString(*id));
    heard(verdict);
  });
}

void ConnectionCheckDialog::search() {
  if (busy_ || !exchange_commands_enabled()) return;
  start();
  say(port_label_, QT_TR_NOOP("自动查找"));
  say(search_result_, QT_TR_NOOP("正在查找……"));
  search_result_->show();
  const PortMap& map = ports_.serial_port().ports();
  const int own = ports_.open_port_no();
  SearchPlan plan = ports_to_search(describe_ports(map), map, search_all_->isChecked());
  const auto is_own = [own](const PortDescription& port) { return port.port_no == own; };
  std::erase_if(plan.probed, is_own);
  std::erase_if(plan.passed_over, is_own);
  for (const PortDescription& port : plan.passed_over) searched_.push_back(passed_over(port));
  pending_ = static_cast<int>(plan.probed.size()) + (own ? 1 : 0);
  if (pending_ == 0) finish_search();
  for (const PortDescription& port : plan.probed) {
    auto& checker = *checkers_.emplace_back(std::make_unique<PortChecker>(map, port.port_no));
    connect(&checker, &PortChecker::answered, this, [this, &checker](const Heard& heard) {
      const CheckLine line = answer_step(heard);
      searched({checker.port_no(), checker.name(), line});
    });
    if (!checker.start(std::make_unique<AskForId>(), id_listener())) {
      searched({port.port_no, checker.name(), checker.port_lines().back()});
    }
  }
  if (own) {
    ask_through_window([this, own, name = map.device(own)](const Heard& heard) {
      const CheckLine line = answer_step(heard);
      searched({own, name, line});
    });
  }
}

void ConnectionCheckDialog::searched(SearchedPort port) {
  searched_.push_back(std::move(port));
  if (--pending_ == 0) finish_search();
}

// Where the radio is; one radio found is chosen in the port menu, and the status bar tells the
// port is open.
void ConnectionCheckDialog::finish_search() {
  show_as_is(search_result_, search_report(searched_).join('\n'));
  finish();
  if (radios_found(searched_) != 1) return;
  const auto radio = std::find_if(searched_.begin(), searched_.end(),
                                  [](const SearchedPort& port) { return port.line.passed; });
  ports_.choose_port(radio->port_no);
  ports_.show_port_state();
}

}  // namespace m27
