// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/series_console.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>

#include "cli/cli_words.h"
#include "cli/display_columns.h"
#include "i18n/translated.h"

namespace m27 {

std::string radio_line(const LogLine& line) {
  const std::uint32_t id = line.new_id.value_or(line.old_id);
  const std::string outcome = line.result == RadioResult::Ok
                                  ? cli_words(QT_TRANSLATE_NOOP("cli", "完成")).toStdString()
                                  : line.detail;
  return line.port + "  ID " + std::to_string(id) + "  " + outcome + "  " +
         tenths_of_seconds(line.elapsed) + " s";
}

std::function<TerminalSize()> stderr_terminal() {
  if (isatty(STDERR_FILENO) != 1) return {};
  return [] {
    winsize size{};
    TerminalSize told;
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 && size.ws_row > 0) {
      told = {size.ws_col, size.ws_row};
    }
    return told;
  };
}

SeriesConsole::SeriesConsole(std::ostream& out, std::ostream& err,
                             std::function<TerminalSize()> terminal, std::vector<std::string> ports)
    : out_(out),
      err_(err),
      terminal_(std::move(terminal)),
      ports_(std::move(ports)),
      states_(ports_.size()) {}

void SeriesConsole::show(int station, const ShowState& state) {
  if (station < 0 || static_cast<std::size_t>(station) >= states_.size()) return;
  states_[station] = translated(state.text).toStdString();
  clear_live();
  draw_live();
}

void SeriesConsole::data(const std::string& line) {
  clear_live();
  out_ << line << '\n' << std::flush;
  draw_live();
}

void SeriesConsole::note(const std::string& text) {
  clear_live();
  err_ << text << '\n' << std::flush;
  draw_live();
}

void SeriesConsole::end_live() {
  clear_live();
  terminal_ = nullptr;
}

void SeriesConsole::clear_live() {
  if (drawn_ == 0) return;
  err_ << "\033[" << drawn_ << "A\033[J" << std::flush;
  drawn_ = 0;
}

// A line per station, or all on one line ("com1 正在写频......  |  com2 请接上对讲机") when the
// terminal has too few rows; each cut one column short of the width, so none wraps.
std::vector<std::string> SeriesConsole::block_lines(const TerminalSize& size) const {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < ports_.size(); ++i) lines.push_back(ports_[i] + " " + states_[i]);
  if (static_cast<int>(lines.size()) > size.rows - 1) {
    std::string shared;
    for (const std::string& line : lines) shared += (shared.empty() ? "" : "  |  ") + line;
    lines = {shared};
  }
  const auto columns = static_cast<std::size_t>(std::max(size.columns - 1, 1));
  for (std::string& line : lines) line = cut_to_columns(line, columns);
  return lines;
}

void SeriesConsole::draw_live() {
  if (!terminal_) return;
  const std::vector<std::string> lines = block_lines(terminal_());
  for (const std::string& line : lines) err_ << line << '\n';
  err_ << std::flush;
  drawn_ = static_cast<int>(lines.size());
}

}  // namespace m27
