// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs in either language: each opens in the language in use with every text whole and
// each Alt+letter reaching one control; 批量写频 in English under LANGUAGE=en, and in Chinese
// again when the language changes while it is open.

#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>

#include "i18n/translators.h"
#include "ui/dialogs/connection_check_dialog.h"
#include "ui/dialogs/series_dialog.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

// What does not fit in `dialog`'s visible widgets: a label, a button or a check box narrower
// than its text needs, a group box than its title, a header's section than its text; and the
// Alt+letters shared by buttons.
QStringList misfits(QWidget* dialog) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);  // texts set since shown
  QStringList found;
  QList<QKeySequence> mnemonics;
  for (const QWidget* widget : dialog->findChildren<QWidget*>()) {
    if (!widget->isVisible()) continue;
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      if (!label->wordWrap()) text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      text = button->text();
      const QKeySequence key = QKeySequence::mnemonic(text);
      if (!key.isEmpty() && mnemonics.contains(key)) found << "shared " + key.toString();
      mnemonics << key;
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
      text = frame->title();
    } else if (const auto* header = qobject_cast<const QHeaderView*>(widget)) {
      for (int i = 0; i < header->count(); ++i) {
        if (header->sectionSize(i) >= header->sectionSizeHint(i)) continue;
        found << header->model()->headerData(i, header->orientation()).toString();
      }
    }
    if (!text.isEmpty() && widget->width() < widget->minimumSizeHint().width()) {
      found << widget->objectName() + ": " + text;
    }
  }
  return found;
}

// The misfits of a dialog that `open` runs modally, closed as soon as it shows.
QStringList modal_misfits(const std::function<void()>& open) {
  QStringList found{"never shown"};
  QTimer shown;  // goes with this function, should the dialog never show
  shown.setSingleShot(true);
  QObject::connect(&shown, &QTimer::timeout, [&found] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(window);
      if (!dialog || !dialog->isVisible()) continue;
      found = misfits(dialog);
      dialog->reject();
    }
  });
  shown.start(0);
  open();
  return found;
}

QWidget* opened(QAction* item, const QString& name) {
  item->trigger();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == name && window->isVisible()) return window;
  }
  qFatal("%s did not open", qPrintable(name));
}

const struct {
  const char* name;
  std::function<QStringList(MainWindow&)> misfits;
} kDialogs[] = {
    {"批量写频", [](MainWindow& w) { return misfits(opened(w.series_job(), "series_dialog")); }},
    {"连接检测",
     [](MainWindow& w) {
       return misfits(opened(action(w, "connection_check_item"), "connection_check"));
     }},
    {"工程模式", [](MainWindow& w) { return misfits(opened(action(w, "工程模式"), "Form3")); }},
    {"测试模式", [](MainWindow& w) { return misfits(opened(action(w, "测试模式"), "Form4")); }},
    {"写ID", [](MainWindow& w) { return misfits(opened(action(w, "写ID"), "Form6")); }},
    {"导入CSV: rows",
     [](MainWindow& w) { return modal_misfits([&w] { QtFileDialogs().csv_row_range(&w, 52); }); }},
    {"导入CSV: skipped rows",
     [](MainWindow& w) {
       return modal_misfits([&w] {
         QtFileDialogs().csv_skip_rows(&w, {"跳过第6个：462.56250|467.56250|OFF|OFF|宽带"});
       });
     }},
};

}  // namespace

class DialogWordsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { use_language(*qApp, Language::AsWritten); }

  void every_dialog_fits_its_words_data() {
    QTest::addColumn<int>("dialog");
    QTest::addColumn<Language>("language");
    for (const auto& dialog : kDialogs) {
      const int row = static_cast<int>(&dialog - kDialogs);
      QTest::addRow("%s, Chinese", dialog.name) << row << Language::AsWritten;
      QTest::addRow("%s, English", dialog.name) << row << Language::English;
    }
  }

  void every_dialog_fits_its_words() {
    QFETCH(int, dialog);
    QFETCH(Language, language);
    use_language(*qApp, language);
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    const QStringList found = kDialogs[dialog].misfits(*w);
    QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
  }

  // Under LANGUAGE=en 批量写频 speaks English, its refusals too; the language changed while it is
  // open, it speaks Chinese.
  void the_series_dialog_speaks_the_language_in_use() {
    qputenv("LANGUAGE", "en");
    use_language(*qApp, language_of(locale_variables()));
    qunsetenv("LANGUAGE");
    RecordingMessageBoxes boxes;
    const auto w = make_window(boxes);
    w->series_job()->trigger();
    SeriesDialog* dialog = w->series_dialog();
    const auto shown = [dialog] {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
      QStringList texts{dialog->windowTitle()};
      for (const char* name : {"first_id_label", "id_count_label", "ports_label", "log_file_label"})
        texts << child<QLabel>(*dialog, name)->text();
      for (const char* name : {"keep_id", "start_job", "stop_job", "save_report"})
        texts << child<QAbstractButton>(*dialog, name)->text();
      const auto* table = child<QTableWidget>(*dialog, "stations");
      for (int c = 0; c < table->columnCount(); ++c)
        texts << table->horizontalHeaderItem(c)->text();
      auto* log_file = child<QLineEdit>(*dialog, "log_file");
      texts << QAccessible::queryAccessibleInterface(log_file)->text(QAccessible::Name);
      return texts.join('|');
    };
    QCOMPARE(shown(),
             "Series programming|First ID|Count|Ports|Log file|&Keep the radio's ID|&Start|S&top|"
             "Save &report…|Port|State|Old ID|New ID|Done|Failed|Log file");
    child<QLineEdit>(*dialog, "first_id")->setText("0");
    child<QPushButton>(*dialog, "start_job")->click();
    QCOMPARE(boxes.shown.at(0).message, (Message{"First ID must be from 1 to 4294967295",
                                                 "Attention", MessageIcon::Exclamation}));
    use_language(*qApp, language_of(locale_variables()));
    QCOMPARE(shown(),
             "批量写频|起始ID|数量|串口|记录文件|保留原ID|开始|停止|保存报告…|串口|状态|原ID|新ID|"
             "完成|失败|记录文件");
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::DialogWordsTest)
#include "dialog_words_test.moc"
