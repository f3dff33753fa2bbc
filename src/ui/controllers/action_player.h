// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays what the window shows of the link, in order. A message box pauses the play until the
// user has closed it, as the program's modal boxes always did: what comes after a message (the
// buttons coming back, the next message) happens once it is closed. The window stays responsive
// meanwhile.

#include <deque>
#include <functional>
#include <variant>

#include "channels/message.h"
#include "channels/words.h"
#include "ui/window/message_boxes.h"

namespace m27 {

class ActionPlayer {
 public:
  explicit ActionPlayer(MessageBoxes& boxes) : boxes_(boxes) {}

  // Queues a message box.
  void show(Message message);
  // Queues a box of the core's words, in the language in use.
  void show(const Notice& notice);
  // Queues a step, run when every box queued before it has been closed.
  void run(std::function<void()> step);

 private:
  void play();

  MessageBoxes& boxes_;
  std::deque<std::variant<Message, std::function<void()>>> queue_;
  bool paused_ = false;
  bool playing_ = false;
};

}  // namespace m27
