#include "ui/file_dialogs.h"

#include <QFileDialog>

namespace m27 {
namespace {

std::optional<QString> chosen(const QString& name) {
  if (name.isEmpty()) return std::nullopt;
  return name;
}

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

}  // namespace m27
