// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/series_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "files/file_commands.h"
#include "i18n/translated.h"
#include "series/qt/default_log.h"
#include "series/qt/series_order_from.h"
#include "service/radio_id.h"
#include "ui/controllers/exchange_controller.h"
#include "ui/window/controls.h"
#include "ui/window/lamp.h"

namespace m27 {
namespace {

constexpr int kIdWidth = 110;
constexpr int kLogWidth = 360;
constexpr int kStateFontSize = 16;
constexpr int kStateWidth = 320;
constexpr std::uint64_t kLastId = 4294967295u;
const QColor kWaitingGrey{0xd0, 0xd0, 0xd0};
const QColor kBusyAmber{0xff, 0xdc, 0x70};

QColor colour_of(StationLook look, const QPalette& palette) {
  switch (look) {
    case StationLook::Waiting:
      return kWaitingGrey;
    case StationLook::Busy:
      return kBusyAmber;
    case StationLook::Done:
      return kLampGreen;
    case StationLook::Failed:
      return kLampRed;
    case StationLook::Stopped:
      break;
  }
  return palette.color(QPalette::Base);
}

// Any text may be typed: "1.5" is refused as it stands, never taken as 15.
QLineEdit* digits_field(const char* name, const QString& text, QWidget* parent) {
  QLineEdit* field = make_text(name, text, kIdWidth, parent);
  field->setMaxLength(kIdMaxLength + 2);
  return field;
}

// 1 .. 4294967295 as typed, nothing else.
std::optional<std::uint32_t> positive_id(const QLineEdit* field) {
  const auto value = id_value(field->text().toStdString());
  if (!value || *value == 0) return std::nullopt;
  return value;
}

// The label names its field, for a screen reader too.
QLabel* naming(QLabel* label, QWidget* field) {
  label->setBuddy(field);
  return label;
}

QTableWidgetItem* cell(QTableWidget* table, int row, SeriesDialog::Column column) {
  QTableWidgetItem* item = table->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    item->setTextAlignment(Qt::AlignCenter);
    table->setItem(row, column, item);
  }
  return item;
}

}  // namespace

SeriesDialog::SeriesDialog(ExchangeController& exchanges, Window window)
    : ServiceDialog(exchanges, "series_dialog", QT_TR_NOOP("批量写频")),
      window_(std::move(window)) {
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(14, 12, 14, 14);
  page->addWidget(build_fields());
  page->addWidget(build_stations(), 1);
  connect(start_button_, &QPushButton::clicked, this, &SeriesDialog::start_job);
  connect(stop_button_, &QPushButton::clicked, this, &SeriesDialog::stop_job);
  connect(save_report_button_, &QPushButton::clicked, this, &SeriesDialog::save_report);
  enable_buttons();
  retranslate();
}

void SeriesDialog::retranslate() {
  ServiceDialog::retranslate();
  stations_->setHorizontalHeaderLabels(
      {tr("串口", "a column"), tr("状态"), tr("原ID"), tr("新ID"), tr("完成"), tr("失败")});
}

SeriesDialog::~SeriesDialog() = default;

QWidget* SeriesDialog::build_fields() {
  auto* fields = new QWidget(this);
  auto* grid = new QGridLayout(fields);
  grid->setContentsMargins(0, 0, 0, 0);
  const auto log = default_series_log();
  const QString log_name = QFile::decodeName(log.c_str());
  first_id_ = digits_field("first_id", QString::number(lowest_free_id_in(log)), fields);
  id_count_ = digits_field("id_count", QStringLiteral("100"), fields);
  keep_id_ = new QCheckBox(fields);
  keep_id_->setObjectName(QStringLiteral("keep_id"));
  say(keep_id_, QT_TR_NOOP("保留原ID"));
  grid->addWidget(naming(worded_label("first_id_label", QT_TR_NOOP("起始ID"), fields), first_id_),
                  0, 0);
  grid->addWidget(first_id_, 0, 1);
  grid->addWidget(naming(worded_label("id_count_label", QT_TR_NOOP("数量"), fields), id_count_), 0,
                  2);
  grid->addWidget(id_count_, 0, 3);
  grid->addWidget(keep_id_, 0, 4);

  auto* ports = new QHBoxLayout;
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    const QString device = window_.ports.device(n);
    if (device.isEmpty()) continue;
    auto* box = new QCheckBox(QStringLiteral("com%1").arg(n), fields);
    box->setObjectName(QStringLiteral("series_com%1").arg(n));
    box->setToolTip(device);
    box->setChecked(n == window_.open_port());
    ports->addWidget(box);
    port_boxes_.emplace_back(n, box);
  }
  ports->addStretch();
  grid->addWidget(worded_label("ports_label", QT_TR_NOOP("串口"), fields), 1, 0);
  grid->addLayout(ports, 1, 1, 1, 4);

  log_file_ = make_text("log_file", log_name, kLogWidth, fields);
  log_file_->setAlignment(Qt::AlignLeft);
  grid->addWidget(naming(worded_label("log_file_label", QT_TR_NOOP("记录文件"), fields), log_file_),
                  2, 0);
  grid->addWidget(log_file_, 2, 1, 1, 4);
  grid->setColumnStretch(5, 1);  // the fields keep to the left
  return fields;
}

QWidget* SeriesDialog::build_stations() {
  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 8, 0, 0);
  stations_ = new QTableWidget(0, 6, box);
  stations_->setObjectName(QStringLiteral("stations"));
  stations_->verticalHeader()->hide();
  stations_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  stations_->setSelectionMode(QAbstractItemView::NoSelection);
  stations_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  stations_->horizontalHeader()->setSectionResizeMode(kState, QHeaderView::Stretch);
  stations_->setMinimumWidth(kStateWidth * 2);
  column->addWidget(stations_, 1);

  auto* row = new QHBoxLayout;
  totals_ = make_label("totals", "", box);
  job_state_ = make_label("job_state", "", box);
  start_button_ = worded_button("start_job", QT_TR_NOOP("开始"), box);
  stop_button_ = worded_button("stop_job", QT_TR_NOOP("停止"), box);
  save_report_button_ = worded_button("save_report", QT_TR_NOOP("保存报告…"), box);
  row->addWidget(totals_, 1);
  row->addWidget(job_state_);
  row->addWidget(start_button_);
  row->addWidget(stop_button_);
  row->addWidget(save_report_button_);
  column->addLayout(row);
  return box;
}

bool SeriesDialog::job_running() const { return runner_ && !runner_->over(); }

void SeriesDialog::enable_buttons() {
  const bool running = job_running();
  start_button_->setEnabled(!running && exchange_commands_enabled());
  stop_button_->setEnabled(running);
  save_report_button_->setEnabled(!running && report_.has_value());
  for (QWidget* field : {static_cast<QWidget*>(first_id_), static_cast<QWidget*>(id_count_),
                         static_cast<QWidget*>(keep_id_), static_cast<QWidget*>(log_file_)}) {
    field->setEnabled(!running);
  }
  for (const auto& [n, port_box] : port_boxes_) port_box->setEnabled(!running);
}

std::vector<StationPort> SeriesDialog::stations_checked() {
  std::vector<StationPort> stations;
  for (const auto& [n, box] : port_boxes_) {
    if (box->isChecked()) stations.push_back({box->text(), window_.ports.device(n)});
  }
  return stations;
}

// The fields filled into `order`; nothing when a field is refused.
std::optional<SeriesOrder> SeriesDialog::order_from_fields(SeriesOrder order) {
  const auto first = positive_id(first_id_);
  const auto count = positive_id(id_count_);
  QString refusal;
  if (!first) {
    refusal = tr("起始ID 须在1到4294967295之间");
  } else if (!count) {
    refusal = tr("数量 须在1到4294967295之间");
  } else if (std::uint64_t{*first} + *count - 1 > kLastId) {
    refusal = tr("起始ID+数量 不能超过4294967296");
  } else if (log_file_->text().isEmpty()) {
    refusal = tr("请输入记录文件");
  }
  if (!refusal.isEmpty()) {
    refuse(refusal);
    return std::nullopt;
  }
  order.first_id = *first;
  order.last_id = static_cast<std::uint32_t>(*first + std::uint64_t{*count} - 1);
  order.keep_id = keep_id_->isChecked();
  order.log_path = QFile::encodeName(log_file_->text()).toStdString();
  return order;
}

void SeriesDialog::start_job() {
  if (job_running() || !exchange_commands_enabled()) return;
  auto prepared = window_.template_for_write();
  const auto plan = prepared ? prepared->plan() : std::nullopt;
  if (!plan) return;
  const auto bytes = channel_file_bytes(prepared->sheet);
  if (!bytes) return refuse(translated(bytes.why()));
  auto order = order_from_fields(
      series_order_from(std::move(prepared->sheet), *plan, QByteArray::fromStdString(*bytes)));
  if (!order) return;
  std::vector<StationPort> stations = stations_checked();
  if (stations.empty()) return refuse(tr("请选择串口"));
  if (const auto same = same_device(stations)) {
    return refuse(
        tr("%1 和 %2 是同一个串口").arg(stations[same->first].name, stations[same->second].name));
  }
  for (const StationPort& station : stations) order->ports.push_back(station.name.toStdString());
  if (QFile::exists(log_file_->text())) return start_order(std::move(*order), std::move(stations));
  // A mistyped name must not start a second pool of IDs: a new log only when the user says so.
  auto waiting = std::make_shared<std::pair<SeriesOrder, std::vector<StationPort>>>(
      std::move(*order), std::move(stations));
  const QString question = tr("记录文件 %1 不存在，要新建吗？").arg(log_file_->text());
  window_.ask(attention_box(question), [this, alive = QPointer(this), waiting](bool yes) {
    if (!alive || !yes || job_running() || !exchange_commands_enabled()) return;
    waiting->first.create_log = true;
    start_order(std::move(waiting->first), std::move(waiting->second));
  });
}

void SeriesDialog::start_order(SeriesOrder order, std::vector<StationPort> stations) {
  ended_.reset();  // a job that has ended holds no log any more
  order_report_ = order_report(order, window_.file_name().toStdString());
  auto ready = get_ready(std::move(order));
  if (!ready) return refuse(translated(ready.why()));

  LinkDriver& window_link = exchanges().lend_link();
  const QString open_port = QStringLiteral("com%1").arg(window_.open_port());
  for (StationPort& station : stations) {
    if (station.name == open_port) station.lent = &window_link;
  }
  runner_ = std::make_unique<SeriesRunner>(std::move(ready).value(), stations);
  report_.reset();
  stopped_ = false;
  show_stations(stations);
  show_as_is(job_state_, QString());
  if (!runner_->log_warnings().empty()) {
    QString warnings;
    for (const Words& warning : runner_->log_warnings()) warnings += translated(warning) + "\n";
    refuse(warnings);
  }
  connect(runner_.get(), &SeriesRunner::shown, this, &SeriesDialog::show_state);
  connect(runner_.get(), &SeriesRunner::station_stopped, this, &SeriesDialog::show_stopped);
  connect(runner_.get(), &SeriesRunner::radio_finished, this, &SeriesDialog::count_radio);
  connect(runner_.get(), &SeriesRunner::finished, this, &SeriesDialog::job_over);
  runner_->start();
  enable_buttons();
}

void SeriesDialog::stop_job() {
  if (!job_running()) return;
  stopped_ = true;
  runner_->stop();
}

void SeriesDialog::end_job_now() {
  if (!job_running()) return;
  stopped_ = true;
  runner_->end_now();
}

void SeriesDialog::save_report() {
  if (!report_) return;
  const auto file = window_.file_dialogs.report_file_name(this);
  if (!file) return;
  if (const auto failed = write_report(QFile::encodeName(*file).toStdString(), *report_)) {
    refuse(tr("保存报告失败\n%1\n%2").arg(*file, QString::fromStdString(failed->reason)));
  }
}

void SeriesDialog::end_for_exit() { end_job_now(); }

bool SeriesDialog::radio_on_its_way() const {
  return std::find(busy_.begin(), busy_.end(), true) != busy_.end();
}

void SeriesDialog::show_stations(const std::vector<StationPort>& stations) {
  stations_->setRowCount(0);
  stations_->setRowCount(static_cast<int>(stations.size()));
  station_totals_.assign(stations.size(), SeriesTotals{});
  busy_.assign(stations.size(), false);
  interrupted_.assign(stations.size(), false);
  QFont large = font();
  large.setPointSize(kStateFontSize);
  large.setBold(true);
  for (int row = 0; row < stations_->rowCount(); ++row) {
    cell(stations_, row, kPort)->setText(stations[row].name);
    cell(stations_, row, kState)->setFont(large);
    show_counts(row);
  }
  stations_->resizeRowsToContents();
  show_totals();
}

// A new radio clears the IDs of the one before; a radio interrupted is no failure and is not
// shown red. A station that stops without a reason keeps its last radio's result.
void SeriesDialog::show_state(int station, const ShowState& state) {
  if (state.look == StationLook::Stopped) return;
  const bool busy = state.look == StationLook::Busy;
  if (busy && !busy_[station]) {
    cell(stations_, station, kOldId)->setText(QString());
    cell(stations_, station, kNewId)->setText(QString());
    interrupted_[station] = false;
  }
  busy_[station] = busy;
  const bool interrupted = state.look == StationLook::Failed && interrupted_[station];
  QTableWidgetItem* item = cell(stations_, station, kState);
  item->setText(translated(state.text));
  item->setToolTip(translated(state.text));
  item->setBackground(colour_of(interrupted ? StationLook::Waiting : state.look, palette()));
}

void SeriesDialog::show_stopped(int station, const QString& reason) {
  busy_[station] = false;
  if (reason.isEmpty()) return;
  QTableWidgetItem* item = cell(stations_, station, kState);
  item->setText(reason);
  item->setToolTip(reason);
  item->setBackground(colour_of(StationLook::Failed, palette()));
}

void SeriesDialog::count_radio(int station, const LogLine& line) {
  cell(stations_, station, kOldId)->setText(QString::number(line.old_id));
  cell(stations_, station, kNewId)->setText(line.new_id ? QString::number(*line.new_id) : "");
  interrupted_[station] = line.result == RadioResult::Interrupted;
  station_totals_[station].count(line.result);
  show_counts(station);
  show_totals();
}

void SeriesDialog::show_counts(int station) {
  const SeriesTotals& counted = station_totals_[station];
  cell(stations_, station, kOk)->setText(QString::number(counted.ok));
  cell(stations_, station, kFailed)->setText(QString::number(counted.failed));
}

void SeriesDialog::show_totals() {
  if (runner_) {
    totals_->setText(translated(counts_text(runner_->job().totals())));
  } else {
    totals_->setText(translated(summary_text(last_totals_, last_elapsed_)));
  }
}

// The window has its link back; a port lost meanwhile is closed there too. The runner goes once
// its signal has returned, and with it the log's lock and the ports.
void SeriesDialog::job_over() {
  exchanges().take_link_back();
  last_totals_ = runner_->job().totals();
  last_elapsed_ = runner_->elapsed();
  const auto failure = runner_->job().failure();
  report_ = std::move(order_report_);
  runner_->fill_in(*report_);
  report_->interrupted = stopped_;
  ended_ = std::move(runner_);
  QMetaObject::invokeMethod(
      this, [this] { ended_.reset(); }, Qt::QueuedConnection);
  show_totals();
  say(job_state_, QT_TR_NOOP("批量写频已结束"));
  enable_buttons();
  if (failure) refuse(translated(*failure));
  if (std::exchange(close_when_over_, false)) {
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
  }
}

// A job under way ends at once when no radio is on its way; else the user is asked first, as
// the radios on their way are left half-written.
void SeriesDialog::closeEvent(QCloseEvent* event) {
  if (job_running() && !radio_on_its_way()) end_job_now();
  if (!job_running()) return event->accept();
  event->ignore();
  if (close_when_over_) return;
  const Message question = attention_box(
      tr("正在写频，关闭将中断写频，对讲机中的数据可能不完整，请重新写频。要关闭吗？"));
  window_.ask(question, [this, alive = QPointer(this)](bool yes) {
    if (!alive || !yes || !job_running()) return;
    close_when_over_ = true;
    end_job_now();
  });
}

}  // namespace m27
