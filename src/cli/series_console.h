// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A series job on a console: a line per radio on the output stream, notes on the error stream,
// and on a terminal one line of every station's state, redrawn in place on the error stream.

#include <ostream>
#include <string>
#include <vector>

#include "series/log_line.h"
#include "series/station_io.h"

namespace m27 {

// "com1  ID 5003  完成  3.7 s"; a radio that did not finish shows what the station showed. The ID
// is the one reserved for the radio, or the radio's own when none was.
std::string radio_line(const LogLine& line);

class SeriesConsole {
 public:
  // `live`: the error stream is a terminal, where the stations' states are shown.
  SeriesConsole(std::ostream& out, std::ostream& err, bool live, std::vector<std::string> ports);

  void show(int station, const ShowState& state);
  // A line on the output stream.
  void data(const std::string& line);
  // A line on the error stream.
  void note(const std::string& text);
  // The job is over: the stations' line goes.
  void end_live();

 private:
  void clear_live();
  void draw_live();

  std::ostream& out_;
  std::ostream& err_;
  bool live_;
  std::vector<std::string> ports_;
  std::vector<std::string> states_;
};

}  // namespace m27
