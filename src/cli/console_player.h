// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the link's events on a console, as the window plays them on its controls: each message
// of a sequence's end becomes a line on the error stream ("title: text", or the text alone under
// the default title), a transfer's progress a line "\r正在读频...... 45/75" redrawn in place (only
// on a terminal), a reply or monitor packet a line of data on the output stream. The status panel,
// the buttons and the window's timers have no counterpart.

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "channels/message.h"
#include "channels/words.h"
#include "link/events.h"

namespace m27 {

// The line of data a reply or a monitor packet prints, if any.
using DataLine = std::function<std::optional<std::string>(const Frame&)>;

struct ConsoleOptions {
  bool progress = false;  // the error stream is a terminal: show the progress line
  DataLine data_line;     // may be empty: no data lines
};

// "title: text", or the text alone when the message has the default title.
std::string message_line(const Message& message);

class ConsolePlayer {
 public:
  ConsolePlayer(std::ostream& out, std::ostream& err, ConsoleOptions options);

  void play(const Event& event);

  // A message the command itself has to show (a file that cannot be opened ...).
  void show(const Message& message);
  // The same in the core's words, in the language in use.
  void show(const Notice& notice);
  // A line of the command's own on the error stream (prompts, column heads).
  void note(const std::string& text);
  // A line of data on the output stream.
  void data(const std::string& line);

 private:
  void data_of(const Frame& frame);  // the reply or packet as a data line, if it makes one
  void draw_progress(const Progress& progress);
  void end_progress_line();

  std::ostream& out_;
  std::ostream& err_;
  ConsoleOptions options_;
  Exchange exchange_ = Exchange::Read;  // of the sequence under way
  bool line_open_ = false;              // a progress line is on the terminal without its line end
};

}  // namespace m27
