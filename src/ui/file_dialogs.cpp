// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_dialogs.h"

#include <QFileDialog>

namespace m27 {
namespace {

std::optional<QString> chosen(const QString& name) {
  if (name.isEmpty()) return std::nullopt;
  return name;
}

const QString kGridFilter = QStringLiteral("信道表(*.csv)");
const QString kGenericFilter = QStringLiteral("通用格式(*.csv)");

}  // namespace

std::optional<QString> QtFileDialogs::save_file_name(QWidget* parent) {
  return chosen(QFileDialog::getSaveFileName(parent, QString(), QString(),
                                             QStringLiteral("sm27(*.m27)"), nullptr,
                                             QFileDialog::DontConfirmOverwrite));
}

std::optional<QString> QtFileDialogs::open_file_name(QWidget* parent, const QString& start) {
  return chosen(
      QFileDialog::getOpenFileName(parent, QString(), start, QStringLiteral("xm27(*.m27)")));
}

std::optional<FileDialogs::CsvChoice> QtFileDialogs::csv_export_name(QWidget* parent) {
  QString filter = kGridFilter;
  const auto name = chosen(QFileDialog::getSaveFileName(
      parent, QString(), QString(), kGridFilter + QStringLiteral(";;") + kGenericFilter, &filter));
  if (!name) return std::nullopt;
  return CsvChoice{*name, filter == kGenericFilter ? CsvLayout::Generic : CsvLayout::Grid};
}

std::optional<QString> QtFileDialogs::csv_import_name(QWidget* parent) {
  return chosen(
      QFileDialog::getOpenFileName(parent, QString(), QString(), QStringLiteral("CSV(*.csv);;*")));
}

std::optional<QString> QtFileDialogs::trace_file_name(QWidget* parent) {
  return chosen(QFileDialog::getSaveFileName(parent, QString(), QString(),
                                             QStringLiteral("通讯记录(*.txt);;*"), nullptr,
                                             QFileDialog::DontConfirmOverwrite));
}

}  // namespace m27
