// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/file_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace m27 {
namespace {

std::optional<QString> chosen(const QString& name) {
  if (name.isEmpty()) return std::nullopt;
  return name;
}

QString words(const char* source) {
  return QCoreApplication::translate("m27::QtFileDialogs", source);
}

QString grid_filter() { return words(QT_TRANSLATE_NOOP("m27::QtFileDialogs", "信道表(*.csv)")); }

QString generic_filter() {
  return words(QT_TRANSLATE_NOOP("m27::QtFileDialogs", "通用格式(*.csv)"));
}

// A save dialog that adds `suffix` to a name typed without an extension. The dialog adds it
// itself, so that the file it asks about before replacing one is the file written.
class SaveDialog : public QFileDialog {
 public:
  SaveDialog(QWidget* parent, const QString& start, const QStringList& filters,
             const QString& suffix)
      : QFileDialog(parent) {
    setAcceptMode(QFileDialog::AcceptSave);
    setNameFilters(filters);
    setDefaultSuffix(suffix);
    if (!start.isEmpty()) selectFile(start);
  }

  std::optional<QString> chosen_name() {
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty()) return std::nullopt;
    return chosen(selectedFiles().front());
  }
};

}  // namespace

std::optional<QString> QtFileDialogs::save_file_name(QWidget* parent, const QString& start) {
  SaveDialog dialog(parent, start, {QStringLiteral("sm27(*.m27)")}, QStringLiteral("m27"));
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  return dialog.chosen_name();
}

std::optional<QString> QtFileDialogs::open_file_name(QWidget* parent, const QString& start) {
  return chosen(
      QFileDialog::getOpenFileName(parent, QString(), start, QStringLiteral("xm27(*.m27)")));
}

std::optional<FileDialogs::CsvChoice> QtFileDialogs::csv_export_name(QWidget* parent) {
  SaveDialog dialog(parent, QString(), {grid_filter(), generic_filter()}, QStringLiteral("csv"));
  const auto name = dialog.chosen_name();
  if (!name) return std::nullopt;
  const bool generic = dialog.selectedNameFilter() == generic_filter();
  return CsvChoice{*name, generic ? CsvLayout::Generic : CsvLayout::Grid};
}

std::optional<QString> QtFileDialogs::csv_import_name(QWidget* parent) {
  return chosen(
      QFileDialog::getOpenFileName(parent, QString(), QString(), QStringLiteral("CSV(*.csv);;*")));
}

std::optional<QString> QtFileDialogs::trace_file_name(QWidget* parent) {
  return chosen(QFileDialog::getSaveFileName(
      parent, QString(), QString(),
      words(QT_TRANSLATE_NOOP("m27::QtFileDialogs", "通讯记录(*.txt);;*")), nullptr,
      QFileDialog::DontConfirmOverwrite));
}

// Replacing a report asks first: it may be another order's.
std::optional<QString> QtFileDialogs::report_file_name(QWidget* parent) {
  return SaveDialog(parent, QString(),
                    {words(QT_TRANSLATE_NOOP("m27::QtFileDialogs", "报告(*.html)"))},
                    QStringLiteral("html"))
      .chosen_name();
}

}  // namespace m27
