// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "批量写频": the sheet on screen as the template of a series job, written into radio after radio
// on the ports chosen, each radio with the next ID of 起始ID … 起始ID + 数量 − 1 (the same job as
// `m27 series`). A row per port shows its state large and coloured (green done, red failed, grey
// waiting), the IDs of its last radio and its counts. While a job runs the window's own
// exchanges are locked, and a station on the port the window has open uses that open port. A job
// that has ended lets go of its log and ports at once, so the next can start in the same dialog.

#include <QPointer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "channels/message.h"
#include "link/qt/port_map.h"
#include "link/write_plan.h"
#include "series/qt/series_runner.h"
#include "series/series_report.h"
#include "ui/controllers/file_dialogs.h"
#include "ui/dialogs/service_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace m27 {

class SeriesDialog : public ServiceDialog {
  Q_OBJECT

 public:
  // What the dialog takes from the main window.
  struct Window {
    // The sheet on screen snapped and checked as for a write; nothing when the check refused it
    // (the window has said why).
    std::function<std::optional<PreparedWrite>()> template_for_write;
    const PortMap& ports;
    // The number of the port the window has open; 0 when none is.
    std::function<int()> open_port;
    // Asks a yes/no question; `answer` may come later.
    std::function<void(const Message& question, std::function<void(bool yes)> answer)> ask;
    FileDialogs& file_dialogs;
    // The name of the channel file on screen without its folder; empty when it has none.
    std::function<QString()> file_name;
  };
  enum Column { kPort, kState, kOldId, kNewId, kOk, kFailed };

  SeriesDialog(ExchangeController& exchanges, Window window);
  ~SeriesDialog() override;

  // 开始: the job as the fields ask, unless a field or the template is refused (said in a box).
  void start_job();
  // 停止: every station stops after the exchange in flight.
  void stop_job();
  // The job ends at once, each radio on its way logged interrupted; its log and ports are free.
  void end_job_now();
  // The program is ending: a job under way ends at once, each radio on its way logged
  // interrupted, before the window closes its port.
  void end_for_exit();
  bool job_running() const;
  // 保存报告…: the report of the job that has ended, into a file the user chooses.
  void save_report();

 protected:
  void enable_buttons() override;
  void retranslate() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* build_fields();
  QWidget* build_stations();
  std::optional<SeriesOrder> order_from_fields(SeriesOrder order);
  std::vector<StationPort> stations_checked();
  void start_order(SeriesOrder order, std::vector<StationPort> stations);
  void show_stations(const std::vector<StationPort>& stations);
  void show_state(int station, const ShowState& state);
  void show_stopped(int station, const QString& reason);
  void count_radio(int station, const LogLine& line);
  void show_counts(int station);
  void show_totals();
  void job_over();
  bool radio_on_its_way() const;

  Window window_;
  QLineEdit* first_id_ = nullptr;
  QLineEdit* id_count_ = nullptr;
  QCheckBox* keep_id_ = nullptr;
  QLineEdit* log_file_ = nullptr;
  std::vector<std::pair<int, QCheckBox*>> port_boxes_;  // port number, its box
  QTableWidget* stations_ = nullptr;
  std::vector<SeriesTotals> station_totals_;  // one a row of stations_
  std::vector<bool> busy_;                    // one a row: a radio is on its way there
  std::vector<bool> interrupted_;             // one a row: its last radio was interrupted
  QLabel* totals_ = nullptr;
  QLabel* job_state_ = nullptr;  // says when the job is over
  QPushButton* start_button_ = nullptr;
  QPushButton* stop_button_ = nullptr;
  QPushButton* save_report_button_ = nullptr;
  std::unique_ptr<SeriesRunner> runner_;  // while a job runs
  std::unique_ptr<SeriesRunner> ended_;   // a job that has just ended, until its signal returns
  SeriesTotals last_totals_;              // of the job shown
  std::chrono::milliseconds last_elapsed_{0};
  bool close_when_over_ = false;
  SeriesReport order_report_;           // of the job under way
  bool stopped_ = false;                // the user stopped it before its end
  std::optional<SeriesReport> report_;  // of the job that has ended
};

}  // namespace m27
