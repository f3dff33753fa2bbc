#pragma once
// What the service-dialog tests share: the window with com1 on a real m27-fake-radio, the
// dialogs opened from the menu, their controls by name, and what the message boxes showed.

#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "support/fake_radio_process.h"
#include "ui/engineering_dialog.h"
#include "ui/radio_id_dialog.h"
#include "ui/test_mode_dialog.h"
#include "ui_test_support.h"

namespace m27::testing {

// How long a test waits for the radio: an exchange takes about 50 ms, a silent radio 3 s. Only a
// hang runs into it.
inline constexpr int kRadioPatienceMs = 20'000;

// The window with com1 on a fake radio started with `arguments`.
struct RadioBench {
  explicit RadioBench(const QStringList& arguments = {})
      : radio(arguments), window(make_window(boxes, com1_on(radio.device()))) {}

  FakeRadioProcess radio;
  RecordingMessageBoxes boxes;
  std::unique_ptr<MainWindow> window;
};

inline EngineeringDialog* open_Form3(MainWindow& w) {
  w.engineering_mode()->trigger();
  return w.Form3();
}

inline TestModeDialog* open_Form4(MainWindow& w) {
  w.test_mode()->trigger();
  return w.Form4();
}

inline RadioIdDialog* open_Form6(MainWindow& w) {
  w.radio_id()->trigger();
  return w.Form6();
}

inline QLineEdit* text(const QWidget* dialog, const char* name) {
  return child<QLineEdit>(*dialog, QString::fromLatin1(name));
}

inline QPushButton* button(const QWidget* dialog, const char* name) {
  return child<QPushButton>(*dialog, QString::fromLatin1(name));
}

inline bool was_shown(const RecordingMessageBoxes& boxes, const Message& message) {
  return std::any_of(boxes.shown.begin(), boxes.shown.end(),
                     [&](const auto& shown) { return shown.message == message; });
}

inline QColor background(const QLineEdit* box) { return box->palette().color(QPalette::Base); }

}  // namespace m27::testing
