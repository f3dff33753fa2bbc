// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/cell_delegates.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "channels/cell_rule.h"
#include "channels/frequency.h"
#include "channels/grid_edit.h"
#include "i18n/translated.h"
#include "ui/grid/channel_model.h"
#include "ui/grid/typing_filter.h"
#include "ui/window/choice_box.h"

namespace m27 {
namespace {

const char* const kOriginal = "m27_original";  // the text the editing began with
const char* const kIndex = "m27_index";        // the cell edited

bool is_undo_or_redo(const QKeyEvent* key) {
  return key->modifiers() == Qt::ControlModifier &&
         (key->key() == Qt::Key_Z || key->key() == Qt::Key_Y);
}

bool is_enter(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

QStringList tone_items(ToneMode mode) {
  QStringList items;
  for (std::string_view tone : tone_table(mode)) {
    items << QString::fromUtf8(tone.data(), static_cast<qsizetype>(tone.size()));
  }
  return items;
}

}  // namespace

QString cell_name(const QModelIndex& index) {
  const QString caption = translated(caption_of(ChannelModel::cell_of(index).column));
  return QStringLiteral("第%1信道 %2").arg(index.row() + 1).arg(caption);
}

QWidget* FrequencyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
  auto* editor = new QLineEdit(parent);
  editor->setObjectName(QStringLiteral("frequency_editor"));
  editor->setAccessibleName(cell_name(index));
  editor->setFrame(false);
  editor->setAcceptDrops(false);
  editor->setProperty(kIndex, QVariant::fromValue(QPersistentModelIndex(index)));
  // Each key reaches the sheet as it is typed, so a fill button or a save sees it.
  const QPersistentModelIndex cell(index);
  connect(editor, &QLineEdit::textEdited, this, [cell](const QString& text) {
    if (cell.isValid()) const_cast<QAbstractItemModel*>(cell.model())->setData(cell, text);
  });
  return editor;
}

// A program-set text longer than the limit stays whole; the limit only holds typing back.
void FrequencyDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* box = static_cast<QLineEdit*>(editor);
  if (box->property(kOriginal).isValid()) return;  // set once, when the editing begins
  const QString text = index.data(Qt::EditRole).toString();
  box->setMaxLength(std::max<int>(kMaxFrequencyLength, static_cast<int>(text.size())));
  box->setText(text);
  box->selectAll();
  box->setProperty(kOriginal, text);
}

bool FrequencyDelegate::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (!box) return QStyledItemDelegate::eventFilter(watched, event);
  if (event->type() == QEvent::ShortcutOverride) {
    // Ctrl+Z and Ctrl+Y undo the window's steps, never the cell's own typing.
    if (is_undo_or_redo(static_cast<QKeyEvent*>(event))) return true;
  }
  if (event->type() != QEvent::KeyPress) return QStyledItemDelegate::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (is_undo_or_redo(key)) return true;
  const QModelIndex index = box->property(kIndex).value<QPersistentModelIndex>();
  if (is_enter(key) && key->modifiers() & Qt::ControlModifier) {
    emit write_selection(index, box->text());
    emit closeEditor(box, NoHint);
    return true;
  }
  if (key->key() == Qt::Key_Escape) {
    const QString original = box->property(kOriginal).toString();
    if (box->text() != original) {
      box->setText(original);
      emit box->textEdited(original);
    }
    emit closeEditor(box, NoHint);
    return true;
  }
  if (ChannelModel::cell_of(index).column != Cell::rx_frequency) {
    return QStyledItemDelegate::eventFilter(watched, event);
  }
  const bool used = filter_typing(*key, frequency_input_allowed, [this, box] {
    emit closeEditor(box, NoHint);
    emit move_on();
  });
  return used || QStyledItemDelegate::eventFilter(watched, event);
}

QWidget* ToneDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
  const bool receive = ChannelModel::cell_of(index).column == Cell::rx_tone;
  const QString name = QStringLiteral("%1_%2").arg(receive ? "Combo3" : "Combo2").arg(index.row());
  auto* editor = new ChoiceBox(name.toUtf8().constData(), parent,
                               receive ? ChoiceBox::Typing::Allowed : ChoiceBox::Typing::Dropped);
  // A drop-down box on Linux tells its value as its name: its text box carries the cell's name.
  editor->setAccessibleName(cell_name(index));
  editor->lineEdit()->setAccessibleName(cell_name(index));
  editor->lineEdit()->setAlignment(Qt::AlignCenter);
  editor->set_items(tone_items(mode_()));
  const QPersistentModelIndex cell(index);
  connect(editor, &QComboBox::activated, this,
          [this, editor, cell](int item) { emit chosen(cell, editor->itemText(item)); });
  if (receive) {
    connect(editor->lineEdit(), &QLineEdit::textEdited, this,
            [this, cell](const QString& text) { emit chosen(cell, text); });
  }
  return editor;
}

}  // namespace m27
