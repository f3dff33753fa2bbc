// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window tests share: message boxes that record instead of blocking, the window built
// with them, lookups by the controls' names, and what the grid and the exchange lock show.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "channels/options.h"
#include "ui/grid/channel_grid.h"
#include "ui/window/main_window.h"
#include "ui/window/progress_window.h"
#include "ui/window/status_bar.h"

namespace m27::testing {

// Every box and question is recorded; with `hold` it stays open until close_oldest().
class RecordingMessageBoxes : public MessageBoxes {
 public:
  struct Shown {
    Message message;
    bool question;
  };

  void show(const Message& message, std::function<void()> then = {}) override {
    record({message, false}, [then = std::move(then)](bool) {
      if (then) then();
    });
  }

  void ask_yes_no(const Message& question, std::function<void(bool yes)> answer) override {
    record({question, true}, std::move(answer));
  }

  // Answered at once with `save_answer`, also when `hold` is set.
  void ask_save(const Message& question, std::function<void(SaveAnswer)> answer) override {
    shown.push_back({question, true});
    answer(save_answer);
  }

  // Closes the oldest box kept open, answering a question with `yes`.
  void close_oldest(bool yes = false) {
    if (open.empty()) return;
    auto answer = std::move(open.front());
    open.pop_front();
    answer(yes);
  }

  // The texts shown so far, in order.
  QStringList texts() const {
    QStringList list;
    for (const auto& s : shown) list << QString::fromStdString(s.message.text);
    return list;
  }

  std::vector<Shown> shown;
  bool answer_yes = false;  // the answer to every question not held
  SaveAnswer save_answer = SaveAnswer::Cancel;
  bool hold = false;
  std::deque<std::function<void(bool yes)>> open;

 private:
  void record(Shown box, std::function<void(bool yes)> answer) {
    shown.push_back(std::move(box));
    hold ? open.push_back(std::move(answer)) : answer(answer_yes);
  }
};

// Answers the dialogs as a test tells it, and notes where the open and save dialogs started.
class ScriptedFileDialogs : public FileDialogs {
 public:
  std::optional<QString> save_file_name(QWidget*, const QString& start) override {
    save_starts << start;
    return save_answer;
  }
  std::optional<QString> open_file_name(QWidget*, const QString& start) override {
    open_starts << start;
    return open_answer;
  }

  std::optional<CsvChoice> csv_export_name(QWidget*) override { return csv_export_answer; }
  std::optional<QString> csv_import_name(QWidget*) override { return csv_import_answer; }
  std::optional<QString> trace_file_name(QWidget*) override { return {}; }
  std::optional<QString> report_file_name(QWidget*) override { return report_answer; }
  std::optional<CsvRowRange> csv_row_range(QWidget*, int row_count) override {
    row_counts << row_count;
    return row_range_answer;
  }
  bool csv_skip_rows(QWidget*, const QStringList& skipped) override {
    skip_questions << skipped;
    return skip_answer;
  }

  std::optional<QString> save_answer;
  std::optional<QString> open_answer;
  std::optional<CsvChoice> csv_export_answer;
  std::optional<QString> csv_import_answer;
  std::optional<QString> report_answer;
  QStringList open_starts;
  QStringList save_starts;
  std::optional<CsvRowRange> row_range_answer;
  QList<int> row_counts;  // of each row range question
  bool skip_answer = false;
  QList<QStringList> skip_questions;
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

// The grid's table and a cell of it, found by row and column.
inline GridView* table(const MainWindow& w) { return w.grid()->view(); }

inline QModelIndex cell_index(const MainWindow& w, Cell column, int row) {
  return w.grid()->model()->index(row, static_cast<int>(column));
}

inline QString cell_text(const MainWindow& w, Cell column, int row) {
  return cell_index(w, column, row).data().toString();
}

inline bool cell_enabled(const MainWindow& w, Cell column, int row) {
  return cell_index(w, column, row).flags() & Qt::ItemIsEnabled;
}

inline void click_cell(const MainWindow& w, Cell column, int row,
                       Qt::KeyboardModifiers held = Qt::NoModifier) {
  GridView* view = table(w);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, held,
                    view->visualRect(cell_index(w, column, row)).center());
}

inline QComboBox* box(const QObject& window, const QString& name) {
  return child<QComboBox>(window, name);
}

inline QAction* action(const QObject& window, const QString& name) {
  return child<QAction>(window, name);
}

// The grid's texts, row by row: receive, receive tone, transmit, transmit tone, bandwidth.
inline QStringList shown_table(const MainWindow& w) {
  QStringList texts;
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) texts << cell_text(w, static_cast<Cell>(c), r);
  }
  return texts;
}

// "on" when everything an exchange locks and every service dialog's button is enabled, "off"
// when none is, else "mixed".
inline QString exchange_commands(const MainWindow& w) {
  QList<bool> enabled;
  for (const QWidget* widget : w.exchange_guard().widgets()) enabled << widget->isEnabled();
  for (const QAction* item : w.exchange_guard().actions()) enabled << item->isEnabled();
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (!QStringList{"Form3", "Form4", "Form6"}.contains(window->objectName())) continue;
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
      enabled << button->isEnabled();
    }
  }
  if (!enabled.contains(false)) return QStringLiteral("on");
  return enabled.contains(true) ? QStringLiteral("mixed") : QStringLiteral("off");
}

// Types text key by key, characters outside ASCII as an input method delivers them. Into the
// grid's table: the first key goes to the table, which opens the current cell's editor; the
// editor takes the rest.
inline void type_text(QWidget* widget, const QString& text) {
  auto* view = qobject_cast<QAbstractItemView*>(widget);
  for (const QChar c : text) {
    QWidget* editor = view ? view->indexWidget(view->currentIndex()) : nullptr;
    QWidget* target = editor ? editor : widget;
    if (c.unicode() < 128) {
      QTest::keyClick(target, static_cast<char>(c.unicode()));
    } else {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(target, &press);
    }
  }
}

// Typing into a cell of the grid, as a user selects it and types.
inline void type_into(const MainWindow& w, Cell column, int row, const QString& text) {
  table(w)->setCurrentIndex(cell_index(w, column, row));
  type_text(table(w), text);
}

// A choice of an item in a drop-down box, as the user makes it.
inline void choose(QComboBox* box, const QString& text) {
  const int index = box->findText(text);
  if (index < 0) qFatal("%s has no item %s", qPrintable(box->objectName()), qPrintable(text));
  box->setCurrentIndex(index);
  emit box->activated(index);
  emit box->textActivated(text);
}

// The visible texts of `window` wider than the control that shows them, as "name: text":
// labels, buttons and check boxes (narrower than their size hint), the current text of a box and
// the sections of a table's headings. Every window's layout test calls it once shown.
inline QStringList cut_off_texts(const QWidget& window) {
  QStringList cut;
  const auto check = [&](const QWidget* w, const QString& text, int needed, int has) {
    if (!text.isEmpty() && needed > has) cut << w->objectName() + ": " + text;
  };
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window)) continue;
    if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->wordWrap()) {
      check(w, label->text(), label->sizeHint().width(), label->width());
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      check(w, button->text(), button->sizeHint().width(), button->width());
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
      check(w, frame->title(), frame->fontMetrics().horizontalAdvance(frame->title()),
            frame->width());
    } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
      const int room = combo->lineEdit() ? combo->lineEdit()->width() : combo->width() - 20;
      check(w, combo->currentText(), combo->fontMetrics().horizontalAdvance(combo->currentText()),
            room);
    } else if (const auto* header = qobject_cast<const QHeaderView*>(w)) {
      const int margins =
          2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
      for (int i = 0; i < header->count(); ++i) {
        const QString text = header->model()->headerData(i, header->orientation()).toString();
        check(w, text, header->fontMetrics().horizontalAdvance(text) + margins,
              header->sectionSize(i));
      }
    }
  }
  return cut;
}

}  // namespace m27::testing
