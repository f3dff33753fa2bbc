// SPDX-License-Identifier: GPL-3.0-or-later
// The two questions "导入CSV…" may ask after its file dialog: which rows of a list longer than
// the radio's 25 channels, and whether to leave out the rows this radio cannot hold.

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/controllers/file_dialogs.h"

namespace m27 {
namespace {

const QString kTitle = QStringLiteral("导入CSV");

// Buttons `accept` and 取消 that end the dialog.
void add_buttons(QDialog& dialog, QLayout* layout, const QString& accept) {
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(accept, QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
}

}  // namespace

// Moving one end keeps the other within 25 rows of it.
std::optional<CsvRowRange> QtFileDialogs::csv_row_range(QWidget* parent, int row_count) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("CsvRowRange"));
  dialog.setWindowTitle(kTitle);
  auto* layout = new QVBoxLayout(&dialog);
  auto* text = new QLabel(
      QStringLiteral(
          "文件中有%1个信道，对讲机最多存放%2个。\n请选择要导入的一段（按文件中的顺序）：")
          .arg(row_count)
          .arg(kRows),
      &dialog);
  layout->addWidget(text);
  auto* first = new QSpinBox(&dialog);
  auto* last = new QSpinBox(&dialog);
  first->setRange(1, row_count);
  last->setRange(1, row_count);
  last->setValue(std::min(row_count, kRows));
  QObject::connect(first, &QSpinBox::valueChanged, last, [last](int value) {
    last->setValue(std::clamp(last->value(), value, value + kRows - 1));
  });
  QObject::connect(last, &QSpinBox::valueChanged, first, [first](int value) {
    first->setValue(std::clamp(first->value(), value - kRows + 1, value));
  });
  auto* range = new QHBoxLayout;
  range->addWidget(new QLabel(QStringLiteral("第"), &dialog));
  range->addWidget(first);
  range->addWidget(new QLabel(QStringLiteral("至"), &dialog));
  range->addWidget(last);
  range->addWidget(new QLabel(QStringLiteral("个"), &dialog));
  range->addStretch();
  layout->addLayout(range);
  add_buttons(dialog, layout, QStringLiteral("导入"));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return CsvRowRange{first->value(), last->value()};
}

bool QtFileDialogs::csv_skip_rows(QWidget* parent, const QStringList& skipped) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("CsvSkipRows"));
  dialog.setWindowTitle(kTitle);
  dialog.resize(560, 320);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(
      QStringLiteral("以下%1行对讲机无法存放，导入时将跳过：").arg(skipped.size()), &dialog));
  auto* list = new QPlainTextEdit(skipped.join(QLatin1Char('\n')), &dialog);
  list->setReadOnly(true);
  list->setLineWrapMode(QPlainTextEdit::NoWrap);
  layout->addWidget(list);
  add_buttons(dialog, layout, QStringLiteral("跳过并导入"));
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace m27
