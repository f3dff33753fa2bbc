// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/console_player.h"

#include <variant>

#include "i18n/translated.h"

namespace m27 {

std::string message_line(const Message& message) {
  if (message.title.empty()) return message.text;
  return message.title + ": " + message.text;
}

ConsolePlayer::ConsolePlayer(std::ostream& out, std::ostream& err, ConsoleOptions options)
    : out_(out), err_(err), options_(std::move(options)) {}

void ConsolePlayer::play(const Event& event) {
  if (const auto* began = std::get_if<Began>(&event)) {
    exchange_ = began->exchange;
  } else if (const auto* progress = std::get_if<Progress>(&event)) {
    draw_progress(*progress);
  } else if (const auto* finished = std::get_if<Finished>(&event)) {
    end_progress_line();
    for (const Notice& message : finished->messages) show(message);
  } else if (const auto* reply = std::get_if<ReplyData>(&event)) {
    data_of(reply->reply);
  } else if (const auto* packet = std::get_if<MonitorPacket>(&event)) {
    data_of(packet->packet);
  }
}

void ConsolePlayer::data_of(const Frame& frame) {
  if (!options_.data_line) return;
  if (auto line = options_.data_line(frame)) data(*line);
}

void ConsolePlayer::show(const Message& message) { note(message_line(message)); }

void ConsolePlayer::show(const Notice& notice) { show(translated(notice)); }

void ConsolePlayer::note(const std::string& text) {
  end_progress_line();
  err_ << text << '\n' << std::flush;
}

void ConsolePlayer::data(const std::string& line) { out_ << line << '\n' << std::flush; }

void ConsolePlayer::draw_progress(const Progress& progress) {
  if (!options_.progress) return;
  err_ << '\r' << translated(transfer_under_way(exchange_)).toStdString() << ' ' << progress.done
       << '/' << progress.of << std::flush;
  line_open_ = true;
}

void ConsolePlayer::end_progress_line() {
  if (!line_open_) return;
  err_ << '\n';
  line_open_ = false;
}

}  // namespace m27
