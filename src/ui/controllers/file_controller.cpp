// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/file_controller.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "files/csv_commands.h"
#include "files/file_commands.h"
#include "i18n/translated.h"
#include "link/qt/port_trace.h"
#include "ui/controllers/sheet_history.h"
#include "ui/window/recent_files.h"
#include "ui/window/settings.h"
#include "ui/window/status_bar.h"

namespace m27 {
namespace {

std::filesystem::path path_of(const QString& name) {
  return std::filesystem::path(QFile::encodeName(name).toStdString());
}

}  // namespace

FileController::FileController(Sheet& sheet, GridState& grid, SheetHistory& history,
                               MessageBoxes& boxes, FileDialogs& dialogs, View view, Menu menu)
    : QObject(view.window),
      sheet_(sheet),
      grid_(grid),
      history_(history),
      boxes_(boxes),
      dialogs_(dialogs),
      view_(std::move(view)),
      menu_(menu) {
  connect(menu_.open, &QAction::triggered, this, &FileController::choose_and_open_file);
  connect(menu_.save, &QAction::triggered, this, &FileController::save_with_dialog);
  connect(menu_.recent_files, &QMenu::aboutToShow, this, &FileController::fill_recent_menu);
  connect(menu_.export_csv, &QAction::triggered, this, &FileController::export_csv_click);
  connect(menu_.import_csv, &QAction::triggered, this, &FileController::import_csv_click);
  connect(menu_.trace, &QAction::triggered, this, &FileController::trace_click);
  menu_.trace->setChecked(port_trace().active());  // --trace FILE
  note_failures();
  fill_recent_menu();
}

// Told once: a trace ends at its first failure, the settings say so once a run.
void FileController::note_failures() {
  connect(&port_trace(), &PortTrace::failed, this,
          [this](const QString& file, const QString& reason) {
            menu_.trace->setChecked(false);
            view_.status_bar->show_note(tr("通讯记录失败：%1：%2").arg(file, reason));
          });
  connect(&settings_failure(), &SettingsFailure::failed, this, [this](const QString& file) {
    view_.status_bar->show_note(tr("设置保存失败：%1").arg(file));
  });
}

template <typename Dialog>
auto FileController::with_timers_held(Dialog dialog) {
  view_.hold_timers(true);
  auto answer = dialog();
  view_.hold_timers(false);
  return answer;
}

bool FileController::save_with_dialog() {
  std::optional<QString> name;
  const auto failure = with_timers_held([&] {
    name = dialogs_.save_file_name(view_.window, history_.open_file());
    file_name_ = name.value_or(QString());
    std::optional<std::filesystem::path> path;
    if (name) path = path_of(*name);
    commit_edits(sheet_, grid_);
    const auto failure = save_channel_file(sheet_, path);
    set_frequency_tab_stops(grid_, false);
    view_.render();
    return failure;
  });
  if (failure) {
    boxes_.show(translated(*failure));
    return false;
  }
  if (!name) return false;
  history_.mark_unchanged(*name);
  remember_file(*name);
  return true;
}

void FileController::choose_and_open_file() {
  settle_unsaved_changes([this] {
    const auto name =
        with_timers_held([this] { return dialogs_.open_file_name(view_.window, file_name_); });
    if (!name) return;
    file_name_ = *name;
    open_named_file(*name);
  });
}

void FileController::open_file(const QString& name) {
  settle_unsaved_changes([this, name] { open_named_file(name); });
}

// An opened file starts a new history; a refused one changes nothing. What was chosen in an
// open tone editor goes with the tones the file replaced. A file cut short opens with what it
// holds, says so, and leaves the sheet unsaved.
void FileController::open_named_file(const QString& name) {
  const auto opening = open_channel_file(sheet_, path_of(name));
  if (opening.refusal) {
    boxes_.show(translated(*opening.refusal));
    return;
  }
  close_tone_editors(grid_);
  set_frequency_tab_stops(grid_, false);
  view_.render();
  history_.clear();
  remember_file(name);
  emit file_opened();
  if (opening.complete()) {
    history_.mark_unchanged(name);
    return;
  }
  history_.mark_cut_short(name);
  boxes_.show(translated(attention(incomplete_file(opening.line_count))));
}

void FileController::settle_unsaved_changes(std::function<void()> then) {
  if (!history_.unsaved_changes()) {
    then();
    return;
  }
  boxes_.ask_save({tr("当前信道数据已修改，是否保存？").toStdString(), "", MessageIcon::None},
                  [this, then = std::move(then)](SaveAnswer answer) {
                    if (answer == SaveAnswer::Cancel) return;
                    if (answer == SaveAnswer::Save && !save_with_dialog()) return;
                    then();
                  });
}

void FileController::set_commands_enabled(bool enabled) {
  commands_enabled_ = enabled;
  fill_recent_menu();
}

void FileController::remember_file(const QString& name) {
  save_recent_files(with_recent_file(load_recent_files(), name));
  fill_recent_menu();
}

void FileController::fill_recent_menu() {
  menu_.recent_files->clear();
  const QStringList files = load_recent_files();
  for (const QString& file : files) {
    menu_.recent_files->addAction(file, this, [this, file] { open_file(file); });
  }
  menu_.recent_files->setEnabled(!files.isEmpty() && commands_enabled_);
}

QString FileController::dropped_channel_file(const QMimeData* data) const {
  if (!commands_enabled_ || !data->hasUrls() || data->urls().size() != 1) return QString();
  const QString file = data->urls().front().toLocalFile();
  return file.endsWith(QStringLiteral(".m27"), Qt::CaseInsensitive) ? file : QString();
}

// As a save: the open tone editors commit first, so the file holds what the grid shows.
void FileController::export_csv_click() {
  const auto failure = with_timers_held([this]() -> std::optional<Notice> {
    const auto choice = dialogs_.csv_export_name(view_.window);
    if (!choice) return std::nullopt;
    commit_edits(sheet_, grid_);
    view_.render();
    return export_csv(sheet_, choice->layout, path_of(choice->file));
  });
  if (failure) boxes_.show(translated(*failure));
}

// Unsaved changes are asked about first.
void FileController::import_csv_click() {
  settle_unsaved_changes([this] {
    const auto failure = with_timers_held([this]() -> std::optional<Message> {
      const auto name = dialogs_.csv_import_name(view_.window);
      if (!name) return std::nullopt;
      return import_csv_file(path_of(*name));
    });
    if (failure) boxes_.show(*failure);
  });
}

// A list longer than the radio's 25 channels asks which rows to take, and rows this radio
// cannot hold are listed to be left out or the import cancelled. The rows replace channels 1,
// 2, ... of the grid and the channel total follows them, as one undoable step; a refused file
// changes nothing.
std::optional<Message> FileController::import_csv_file(const std::filesystem::path& file) {
  const auto bytes = read_csv_file(file);
  if (!bytes) return translated(csv_import_failure(file, bytes.why()));
  const auto row_count = csv_row_count(*bytes);
  if (!row_count) return translated(csv_import_failure(file, row_count.why()));
  CsvSelection selection{std::nullopt, true};
  if (*row_count > kRows) {
    selection.rows = dialogs_.csv_row_range(view_.window, *row_count);
    if (!selection.rows) return std::nullopt;
  }
  const auto taken = csv_channels(*bytes, sheet_.tone_mode, selection);
  if (!taken) return translated(csv_import_failure(file, taken.why()));
  QStringList skipped;
  for (const Words& line : taken->skipped) skipped << translated(line);
  if (!skipped.isEmpty() && !dialogs_.csv_skip_rows(view_.window, skipped)) return std::nullopt;
  history_.edit(tr("导入CSV"), [&] {
    apply_csv_channels(sheet_, taken->channels);
    close_tone_editors(grid_);
  });
  view_.render();
  return std::nullopt;
}

// While a trace runs the item is checked and choosing it stops the trace; otherwise it asks
// for the file to append to.
void FileController::trace_click() {
  PortTrace& trace = port_trace();
  if (trace.active()) {
    trace.stop();
  } else if (const auto name = dialogs_.trace_file_name(view_.window)) {
    if (const auto reason = trace.start(*name)) {
      const QString text = tr("通讯记录失败\n%1\n%2").arg(*name, *reason);
      boxes_.show(translated(attention(as_is(text.toStdString()))));
    }
  }
  menu_.trace->setChecked(trace.active());
}

}  // namespace m27
