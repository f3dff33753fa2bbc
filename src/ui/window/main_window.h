// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the option bar, the channel grid bound to one `Sheet`, the channel
// edit frame, the transfer buttons, the status bar and the menus.
//
// Every handler reads the controls into the sheet (the grid and the boxes write each edit into
// it at once), calls the channel core and shows the sheet again with `render_sheet()`.
//
// The window is the view: it builds the controls and menus, renders the sheet, exposes its
// widgets, and hands each job to a controller of its own:
//   main_window.cpp          start-up (`load`), timers, about box, progress window, exit
//   main_window_layout.cpp   the controls and their arrangement
//   main_window_menus.cpp    the menu tree
//   main_window_grid.cpp     the grid, the option boxes, plans, mode and the fill buttons
//   main_window_link.cpp     the controllers wired to the view, the exchange guard
//   ExchangeController       the link's sequences and what each event means for the window
//   PortController           the serial port, the port menu, the port state in the status bar
//   TransferController       the read and write commands, backups of reads, read-back checks
//   FileController           the channel-file commands, recent files, dropped files, CSV, the
//                            serial trace, and the question about unsaved changes
//   SheetHistory             undo and redo, the title with the file's name and its `*`
//   ServiceDialogs           the three service dialogs: opened from the menu, one of each
//   SeriesDialog             批量写频: series jobs with the sheet as the template
//   PrintController          打印… and 导出PDF…: the channel list on one A4 page
// The menu items `StartWrite` and `WriteChn` click `write_button` (write) and `read_button` (read);
// the open and save buttons trigger the menu items `open_action` and `save_action`.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "channels/sheet.h"
#include "link/qt/serial_port.h"
#include "ui/controllers/exchange_controller.h"
#include "ui/controllers/file_controller.h"
#include "ui/controllers/file_dialogs.h"
#include "ui/controllers/port_controller.h"
#include "ui/controllers/service_dialogs.h"
#include "ui/controllers/sheet_history.h"
#include "ui/controllers/transfer_controller.h"
#include "ui/grid/channel_grid.h"
#include "ui/window/message_boxes.h"
#include "ui/window/splash.h"

class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QPushButton;

namespace m27 {

class Background;
class ChannelGrid;
class ChoiceBox;
class ConnectionCheckDialog;
class EngineeringDialog;
class PrintController;
class ProgressWindow;
class RadioIdDialog;
class SeriesDialog;
class StatusBar;
class TestModeDialog;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window and runs `load`: port 1 of `ports` is opened (a failure is silent).
  // Without `dialogs` the file commands ask with the toolkit's own dialogs.
  MainWindow(PortMap ports, MessageBoxes& boxes, FileDialogs* dialogs = nullptr,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Shows `splash` over the window until the splash timer, a click on the window's
  // background or a click or key on the box itself closes it.
  void show_splash();
  Splash* splash() const { return splash_; }

  // The table and options the window shows and edits.
  Sheet& sheet() { return sheet_; }
  const Sheet& sheet() const { return sheet_; }
  // What the grid shows over it that is only the grid's: tab stops, open tone editors.
  GridState& grid_state() { return grid_state_; }
  // Shows the sheet in the grid, the option boxes and the channel edit frame.
  void render_sheet();

  // Opens a channel file as 打开文件 does once its dialog has answered (a file named on the
  // command line, chosen from the recent files or dropped on the window), asking first when
  // the sheet has unsaved changes.
  void open_file(const QString& name) { files_->open_file(name); }
  // Whether the sheet differs from what was last opened, saved or read (the title's `*`).
  bool unsaved_changes() const { return history_->unsaved_changes(); }
  // Makes `change` to the sheet one undoable step named `what` (see SheetHistory::edit).
  void edit_sheet(const QString& what, const std::function<void()>& change, int cell = -1) {
    history_->edit(what, change, cell);
  }

  SerialPort& serial_port() { return ports_->serial_port(); }
  // The port last chosen from the port menu; 0 before the first choice.
  int port_no() const { return ports_->port_no(); }
  MessageBoxes& message_boxes() { return boxes_; }

  StatusBar* status_bar() const { return status_bar_; }
  ProgressWindow* progress_window() const { return progress_window_; }
  // One second after an exchange has ended, the status panel shows the port state again.
  QTimer* status_refresh_timer() { return &status_refresh_timer_; }
  // Closes the about box; it runs only while the box is shown and not held.
  QTimer* splash_timer() { return &splash_timer_; }
  // While the radio is written, and while a question or a file dialog is open, the about box
  // stays.
  void hold_splash(bool held);
  bool splash_held() const { return splash_held_; }
  // A question or a file dialog holds both timers; a status refresh pending runs after.
  void hold_timers(bool held);
  ChannelGrid* grid() const { return grid_; }

  QPushButton* write_button() const { return write_button_; }
  QPushButton* read_button() const { return read_button_; }
  QAction* open_action() const { return open_action_; }
  QAction* save_action() const { return save_action_; }
  QAction* engineering_mode() const { return engineering_mode_; }
  QAction* test_mode() const { return test_mode_; }
  QAction* radio_id() const { return radio_id_; }
  QAction* connection_check() const { return connection_check_; }
  QAction* series_job() const { return series_job_; }

  // The service dialogs while they are loaded, else null (see ServiceDialogs).
  EngineeringDialog* engineering_dialog() const { return service_dialogs_->engineering_dialog(); }
  TestModeDialog* test_mode_dialog() const { return service_dialogs_->test_mode_dialog(); }
  RadioIdDialog* radio_id_dialog() const { return service_dialogs_->radio_id_dialog(); }
  ConnectionCheckDialog* connection_check_dialog() const {
    return service_dialogs_->connection_check();
  }
  PrintController* print_controller() const { return printer_; }
  // 批量写频 while it is loaded, else null.
  SeriesDialog* series_dialog() const;
  // Shows 批量写频, loading it first when needed.
  void open_series_dialog();

  using ExchangeCallbacks = ExchangeController::Callbacks;
  // Starts an exchange sequence on the link (a transfer, a service request); refused (false)
  // while another one runs.
  bool start_exchange(std::unique_ptr<Operation> operation, ExchangeCallbacks callbacks = {});
  bool exchange_running() const { return exchanges_->running(); }
  // What is locked while an exchange sequence runs.
  const ExchangeGuard& exchange_guard() const { return exchanges_->guard(); }
  // Whether the commands that start an exchange are enabled (see `exchange_commands_enabled`).
  bool exchange_commands_are_enabled() const { return exchanges_->commands_enabled(); }

  // A window the exit closes with the program (the service dialogs). Windows close from the
  // most recently registered one back.
  void register_window(QWidget* window);

  // Handlers, named as the program's own procedures.
  void refresh_port_status();
  void splash_timer_elapsed();
  void background_clicked();
  void background_double_clicked();
  void progress_window_closed();
  void request_exit();
  void choose_port(int port_no) { ports_->choose_port(port_no); }

 signals:
  // The commands that start an exchange are refused (false) while one runs, and come back after.
  void exchange_commands_enabled(bool enabled);
  // The user confirmed the exit and the window has closed: the program ends (status 0).
  void exited();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // main_window_layout.cpp
  void build_layout();
  QWidget* build_top_bar();
  QWidget* build_edit_frame();
  void build_windows();
  // main_window_menus.cpp
  void build_menus();
  // main_window_language.cpp
  void build_language_menu(QMenu* menu);
  // Shows every text of the window again in the language in use: captions, the words for the
  // sheet's data, the title and the port's state.
  void retranslate();
  // main_window_grid.cpp
  void connect_grid();
  void fill_option_boxes();
  void apply_chosen_plan();
  void change_mode();
  void cell_click(Cell column, int row, const std::vector<CellPos>& selection);
  void choose_tone(Cell column, int row, const QString& text,
                   const std::vector<CellPos>& selection);
  void show_error_count();
  void apply_choice(const std::function<void()>& choice);
  void show_fill_result(const std::optional<Message>& message);
  // main_window_link.cpp
  void connect_link();
  // main_window.cpp
  void connect_lifecycle();
  void connect_printing();
  void load();
  void ask_to_exit();
  void answer_exit(bool yes);
  void end_link_for_exit();
  void unload();
  void close_splash();

  MessageBoxes& boxes_;
  QtFileDialogs toolkit_dialogs_;
  FileDialogs& file_dialogs_;
  PortController* ports_ = nullptr;
  ExchangeController* exchanges_ = nullptr;
  ServiceDialogs* service_dialogs_ = nullptr;
  SheetHistory* history_ = nullptr;
  FileController* files_ = nullptr;
  TransferController* transfers_ = nullptr;
  PrintController* printer_ = nullptr;
  Sheet sheet_;
  GridState grid_state_;

  Background* background_ = nullptr;
  ChannelGrid* grid_ = nullptr;
  ChoiceBox* plan_box_ = nullptr;
  ChoiceBox* mode_box_ = nullptr;
  ChoiceBox* transmit_box_ = nullptr;
  ChoiceBox* busy_lockout_box_ = nullptr;
  ChoiceBox* fsk_box_ = nullptr;
  ChoiceBox* channel_total_box_ = nullptr;
  ChoiceBox* fill_step_box_ = nullptr;
  QPushButton* write_button_ = nullptr;
  QPushButton* read_button_ = nullptr;
  QPushButton* open_button_ = nullptr;
  QPushButton* save_button_ = nullptr;
  QPushButton* fill_rx_button_ = nullptr;
  QPushButton* fill_tx_button_ = nullptr;
  StatusBar* status_bar_ = nullptr;
  QLabel* error_count_ = nullptr;  // the channels in error, in the status bar

  QAction* open_action_ = nullptr;
  QAction* save_action_ = nullptr;
  QAction* export_csv_ = nullptr;
  QAction* import_csv_ = nullptr;
  QAction* trace_ = nullptr;
  QAction* exit_action_ = nullptr;
  QMenu* recent_files_ = nullptr;
  QAction* baud_9600_action_ = nullptr;
  QAction* model_action_ = nullptr;
  QAction* read_action_ = nullptr;
  QAction* write_action_ = nullptr;
  QAction* engineering_mode_ = nullptr;
  QAction* test_mode_ = nullptr;
  QAction* radio_id_ = nullptr;
  QAction* connection_check_ = nullptr;
  QAction* series_job_ = nullptr;
  QAction* open_backups_ = nullptr;        // 打开备份文件夹
  QAction* print_ = nullptr;               // 打印…
  QAction* export_pdf_ = nullptr;          // 导出PDF…
  QAction* backup_after_read_ = nullptr;   // 读频自动备份, remembered
  QAction* verify_after_write_ = nullptr;  // 写后校验, remembered

  QTimer status_refresh_timer_;
  QTimer splash_timer_;
  bool splash_held_ = false;
  bool timers_held_ = false;
  bool refresh_pending_ = false;  // the status refresh was running when the timers were held
  ProgressWindow* progress_window_ = nullptr;
  QPointer<Splash> splash_;
  QPointer<SeriesDialog> series_dialog_;
  std::vector<QPointer<QWidget>> loaded_windows_;

  bool closing_ = false;  // the exit question is asked or about to be
  bool asking_exit_ = false;
  bool exit_confirmed_ = false;
  bool inside_close_event_ = false;
};

}  // namespace m27
