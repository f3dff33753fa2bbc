// SPDX-License-Identifier: GPL-3.0-or-later
// The two questions "导入CSV…" may ask after its file dialog: which rows of a list longer than
// the radio's 25 channels, and whether to leave out the rows this radio cannot hold.

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/controllers/file_dialogs.h"

namespace m27 {

// The questions' words, in a context of their own.
struct CsvImportDialog {
  Q_DECLARE_TR_FUNCTIONS(m27::CsvImportDialog)
};

namespace {

// Buttons `accept` and 取消 that end the dialog.
void add_buttons(QDialog& dialog, QLayout* layout, const QString& accept) {
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(accept, QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(CsvImportDialog::tr("取消"), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
}

// The words of `sentence` in a row, with `first` where it says %1 and `second` where it says %2:
// a translation puts the fields where its language wants them.
QHBoxLayout* sentence_row(const QString& sentence, QWidget* first, QWidget* second) {
  auto* row = new QHBoxLayout;
  static const QRegularExpression kField(QStringLiteral("%([12])"));
  qsizetype from = 0;
  for (const QRegularExpressionMatch& field : kField.globalMatch(sentence)) {
    const QString words = sentence.mid(from, field.capturedStart() - from).trimmed();
    if (!words.isEmpty()) row->addWidget(new QLabel(words, first->parentWidget()));
    row->addWidget(field.captured(1) == QLatin1String("1") ? first : second);
    from = field.capturedEnd();
  }
  const QString rest = sentence.mid(from).trimmed();
  if (!rest.isEmpty()) row->addWidget(new QLabel(rest, first->parentWidget()));
  row->addStretch();
  return row;
}

}  // namespace

// Moving one end keeps the other within 25 rows of it.
std::optional<CsvRowRange> QtFileDialogs::csv_row_range(QWidget* parent, int row_count) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("CsvRowRange"));
  dialog.setWindowTitle(CsvImportDialog::tr("导入CSV"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* text = new QLabel(
      CsvImportDialog::tr(
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
  layout->addLayout(sentence_row(CsvImportDialog::tr("第%1至%2个"), first, last));
  add_buttons(dialog, layout, CsvImportDialog::tr("导入"));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return CsvRowRange{first->value(), last->value()};
}

bool QtFileDialogs::csv_skip_rows(QWidget* parent, const QStringList& skipped) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("CsvSkipRows"));
  dialog.setWindowTitle(CsvImportDialog::tr("导入CSV"));
  dialog.resize(560, 320);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(CsvImportDialog::tr("以下%n行对讲机无法存放，导入时将跳过：",
                                                   nullptr, static_cast<int>(skipped.size())),
                               &dialog));
  auto* list = new QPlainTextEdit(skipped.join(QLatin1Char('\n')), &dialog);
  list->setReadOnly(true);
  list->setLineWrapMode(QPlainTextEdit::NoWrap);
  layout->addWidget(list);
  add_buttons(dialog, layout, CsvImportDialog::tr("跳过并导入"));
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace m27
