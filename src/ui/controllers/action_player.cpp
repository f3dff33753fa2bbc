// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/action_player.h"

#include "i18n/translated.h"

namespace m27 {

void ActionPlayer::show(Message message) {
  queue_.push_back(std::move(message));
  play();
}

void ActionPlayer::show(const Notice& notice) { show(translated(notice)); }

void ActionPlayer::run(std::function<void()> step) {
  queue_.push_back(std::move(step));
  play();
}

void ActionPlayer::play() {
  if (playing_) return;  // a step queued more steps: the loop below takes them in turn
  playing_ = true;
  while (!paused_ && !queue_.empty()) {
    auto next = std::move(queue_.front());
    queue_.pop_front();
    if (auto* step = std::get_if<std::function<void()>>(&next)) {
      (*step)();
      continue;
    }
    paused_ = true;
    boxes_.show(std::get<Message>(next), [this] {
      paused_ = false;
      play();
    });
  }
  playing_ = false;
}

}  // namespace m27
