#pragma once
// What the window tests share: message boxes that record instead of blocking, the window built
// with them, and lookups by the controls' names.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "ui/main_window.h"

namespace m27::testing {

class RecordingMessageBoxes : public MessageBoxes {
 public:
  enum class Buttons { Ok, YesNo };
  struct Shown {
    Message message;
    Buttons buttons;
  };

  void show(const Message& message, std::function<void()> then = {}) override {
    shown.push_back({message, Buttons::Ok});
    if (hold_messages) {
      open_boxes.push_back(std::move(then));
    } else if (then) {
      then();
    }
  }

  // Closes the oldest box kept open.
  void close_oldest() {
    if (open_boxes.empty()) return;
    auto then = std::move(open_boxes.front());
    open_boxes.erase(open_boxes.begin());
    if (then) then();
  }

  // The texts shown so far, in order.
  QStringList texts() const {
    QStringList list;
    for (const auto& s : shown) list << QString::fromStdString(s.message.text);
    return list;
  }

  void ask_yes_no(const Message& question, std::function<void(bool yes)> answer) override {
    shown.push_back({question, Buttons::YesNo});
    if (hold_questions) {
      held.push_back(std::move(answer));
    } else {
      answer(answer_yes);
    }
  }

  // Answers the questions kept open, the oldest first.
  void answer_held(bool yes) {
    auto answers = std::move(held);
    held.clear();
    for (auto& answer : answers) answer(yes);
  }

  std::vector<Shown> shown;
  bool answer_yes = false;      // the answer to every question not held
  bool hold_questions = false;  // keep questions open until answer_held()
  bool hold_messages = false;   // keep message boxes open until close_oldest()
  std::vector<std::function<void()>> open_boxes;
  std::vector<std::function<void(bool yes)>> held;
};

inline PortMap com1_on(const QString& device) {
  PortMap ports;
  ports.set({1, device});
  return ports;
}

// The window after its start-up, shown.
inline std::unique_ptr<MainWindow> make_window(MessageBoxes& boxes, PortMap ports = {},
                                               FileDialogs* dialogs = nullptr) {
  auto window = std::make_unique<MainWindow>(std::move(ports), boxes, dialogs);
  window->show();
  return window;
}

template <typename T = QWidget>
T* child(const QObject& parent, const QString& name) {
  T* found = parent.findChild<T*>(name);
  if (!found) qFatal("no control named %s", qPrintable(name));
  return found;
}

inline QString element(const char* array, int index) {
  return QStringLiteral("%1_%2").arg(QString::fromLatin1(array)).arg(index);
}

inline QLineEdit* cell(const QObject& window, const char* array, int row) {
  return child<QLineEdit>(window, element(array, row));
}

inline QComboBox* box(const QObject& window, const QString& name) {
  return child<QComboBox>(window, name);
}

inline QAction* action(const QObject& window, const QString& name) {
  return child<QAction>(window, name);
}

// Types text key by key, characters outside ASCII as an input method delivers them.
inline void type_text(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 128) {
      QTest::keyClick(widget, static_cast<char>(c.unicode()));
    } else {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(widget, &press);
    }
  }
}

// A choice of an item in a drop-down box, as the user makes it.
inline void choose(QComboBox* box, const QString& text) {
  const int index = box->findText(text);
  if (index < 0) qFatal("%s has no item %s", qPrintable(box->objectName()), qPrintable(text));
  box->setCurrentIndex(index);
  emit box->activated(index);
  emit box->textActivated(text);
}

}  // namespace m27::testing
