// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A series job on a console: a line per radio on the output stream, notes on the error stream,
// and on a terminal a block of the stations' states at the bottom of the error stream, one line
// each, redrawn in place: the cursor goes up over the block and everything below is erased, so a
// line printed meanwhile lands above the block, and no line is ever wider than the terminal.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "series/log_line.h"
#include "series/station_io.h"

namespace m27 {

// "com1  ID 5003  完成  3.7 s"; a radio that did not finish shows what the station showed. The ID
// is the one reserved for the radio, or the radio's own when none was.
std::string radio_line(const LogLine& line);

struct TerminalSize {
  int columns = 80;
  int rows = 24;
};

class SeriesConsole {
 public:
  // `terminal`: the size of the terminal the error stream is on, asked at every redraw (so that
  // a resize takes effect at the next); empty when it is no terminal, and no states are shown.
  SeriesConsole(std::ostream& out, std::ostream& err, std::function<TerminalSize()> terminal,
                std::vector<std::string> ports);

  void show(int station, const ShowState& state);
  // A line on the output stream.
  void data(const std::string& line);
  // A line on the error stream.
  void note(const std::string& text);
  // The job is over: the stations' block goes.
  void end_live();

 private:
  void clear_live();
  void draw_live();
  std::vector<std::string> block_lines(const TerminalSize& size) const;

  std::ostream& out_;
  std::ostream& err_;
  std::function<TerminalSize()> terminal_;
  std::vector<std::string> ports_;
  std::vector<std::string> states_;
  int drawn_ = 0;  // lines of the block on the screen, the cursor on the line below them
};

// The size of the terminal on standard error (80 × 24 when it does not tell), or an empty
// function when standard error is no terminal.
std::function<TerminalSize()> stderr_terminal();

}  // namespace m27
