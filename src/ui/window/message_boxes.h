// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message box of the window goes through this interface, so a test reads what would be
// shown instead of blocking on it.

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>

#include "channels/message.h"

namespace m27 {

// The title of a box whose message leaves it empty.
inline constexpr const char* kDefaultTitle = QT_TRANSLATE_NOOP("m27::MessageBoxes", "写频软件");

// The answers to a question about unsaved changes: 保存, 不保存, 取消.
enum class SaveAnswer { Save, Discard, Cancel };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  // Shows the message with an OK button; `then` runs once the box is closed.
  virtual void show(const Message& message, std::function<void()> then = {}) = 0;

  // Asks with the buttons Yes and No; `answer` receives true for Yes once the box is closed.
  virtual void ask_yes_no(const Message& question, std::function<void(bool yes)> answer) = 0;

  // Asks with the buttons 保存, 不保存 and 取消 (also the answer when the box is closed).
  virtual void ask_save(const Message& question, std::function<void(SaveAnswer)> answer) = 0;

  // Forgets the boxes still waiting for their turn (the program is ending).
  virtual void discard_pending() {}
};

// Real boxes, modal to the application but never blocking the event loop: a box that arrives
// while another is up waits until that one is closed.
class QueuedMessageBoxes : public MessageBoxes {
 public:
  // Boxes are centred over `owner`, when there is one.
  void set_owner(QWidget* owner) { owner_ = owner; }

  void show(const Message& message, std::function<void()> then = {}) override;
  void ask_yes_no(const Message& question, std::function<void(bool yes)> answer) override;
  void discard_pending() override { queue_.clear(); }
  void ask_save(const Message& question, std::function<void(SaveAnswer)> answer) override;

 private:
  enum class Buttons { Ok, YesNo, SaveDiscardCancel };
  struct Pending {
    Message message;
    Buttons buttons = Buttons::Ok;
    std::function<void(int result)> done;  // the QMessageBox::StandardButton chosen
  };

  static QMessageBox::StandardButtons buttons_of(Buttons buttons);
  void enqueue(Pending pending);
  void show_next();

  QPointer<QWidget> owner_;
  std::deque<Pending> queue_;
  bool showing_ = false;
};

}  // namespace m27
