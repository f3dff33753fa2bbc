// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/series_console.h"

namespace m27 {

std::string radio_line(const LogLine& line) {
  const std::uint32_t id = line.new_id.value_or(line.old_id);
  const std::string outcome = line.result == RadioResult::Ok ? "完成" : line.detail;
  return line.port + "  ID " + std::to_string(id) + "  " + outcome + "  " +
         tenths_of_seconds(line.elapsed) + " s";
}

SeriesConsole::SeriesConsole(std::ostream& out, std::ostream& err, bool live,
                             std::vector<std::string> ports)
    : out_(out), err_(err), live_(live), ports_(std::move(ports)), states_(ports_.size()) {}

void SeriesConsole::show(int station, const ShowState& state) {
  if (station < 0 || static_cast<std::size_t>(station) >= states_.size()) return;
  states_[station] = state.text;
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
  live_ = false;
}

void SeriesConsole::clear_live() {
  if (live_) err_ << "\r\033[K" << std::flush;
}

// "com1 正在写频......  |  com2 请接上对讲机", without a line end.
void SeriesConsole::draw_live() {
  if (!live_) return;
  std::string line;
  for (std::size_t i = 0; i < ports_.size(); ++i) {
    if (i > 0) line += "  |  ";
    line += ports_[i] + " " + states_[i];
  }
  err_ << "\r\033[K" << line << std::flush;
}

}  // namespace m27
