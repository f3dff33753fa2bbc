#include "cli/console_player.h"

#include <variant>

namespace m27 {

std::string message_line(const Message& message) {
  if (message.title.empty()) return message.text;
  return message.title + ": " + message.text;
}

ConsolePlayer::ConsolePlayer(std::ostream& out, std::ostream& err, ConsoleOptions options)
    : out_(out), err_(err), options_(std::move(options)) {}

void ConsolePlayer::play(const Action& action) {
  if (const auto* status = std::get_if<Status>(&action)) {
    label_ = status->text;
    if (progress_shown_) draw_progress();
  } else if (const auto* message = std::get_if<ShowMessage>(&action)) {
    show(message->message);
  } else if (std::holds_alternative<ShowProgress>(action)) {
    progress_shown_ = true;
    value_ = 0;
  } else if (const auto* progress = std::get_if<SetProgress>(&action)) {
    // A transfer sets 0 just before it hides the window: the line keeps the count it reached.
    if (progress_shown_ && progress->value > 0) {
      value_ = progress->value;
      draw_progress();
    }
  } else if (std::holds_alternative<HideProgress>(action)) {
    end_progress_line();
    progress_shown_ = false;
  } else if (const auto* reply = std::get_if<ReplyData>(&action)) {
    if (options_.data_line) {
      if (auto line = options_.data_line(reply->rx_data)) data(*line);
    }
  } else if (const auto* packet = std::get_if<MonitorPacket>(&action)) {
    if (options_.data_line) {
      if (auto line = options_.data_line(packet->rx_data)) data(*line);
    }
  }
}

void ConsolePlayer::show(const Message& message) { note(message_line(message)); }

void ConsolePlayer::note(const std::string& text) {
  end_progress_line();
  err_ << text << '\n' << std::flush;
}

void ConsolePlayer::data(const std::string& line) { out_ << line << '\n' << std::flush; }

void ConsolePlayer::draw_progress() {
  if (!options_.progress) return;
  err_ << '\r' << label_ << ' ' << value_ << '/' << options_.progress_end << std::flush;
  line_open_ = true;
}

void ConsolePlayer::end_progress_line() {
  if (!line_open_) return;
  err_ << '\n';
  line_open_ = false;
}

}  // namespace m27
