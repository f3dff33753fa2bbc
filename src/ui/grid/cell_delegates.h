// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the grid's cells are edited. A frequency cell is typed into: each key reaches the sheet as
// it is typed, the receive column through its key filter (Enter moves on), at most 9 characters,
// Esc brings back the text the editing began with, Ctrl+Enter writes the text into every
// selected cell of the column. A tone cell's editor is a drop-down box the grid opens and closes
// as its state says; its choice reaches the cell only when the editor commits, never on a focus
// change.

#include <functional>

#include "channels/sheet.h"
#include "ui/grid/cell_delegate.h"

namespace m27 {

class ChoiceBox;

class FrequencyDelegate : public CellDelegate {
  Q_OBJECT

 public:
  explicit FrequencyDelegate(QObject* parent) : CellDelegate(parent) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  // The typed text is in the sheet already.
  void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

 signals:
  // Enter in a receive-frequency cell: the focus moves on as Tab moves it.
  void move_on() const;
  // Ctrl+Enter: the text goes into every selected cell of the editor's column.
  void write_selection(const QModelIndex& index, const QString& text) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

class ToneDelegate : public CellDelegate {
  Q_OBJECT

 public:
  // `mode` gives the current list when an editor opens.
  ToneDelegate(std::function<ToneMode()> mode, QObject* parent)
      : CellDelegate(parent), mode_(std::move(mode)) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget*, const QModelIndex&) const override {}
  void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

 signals:
  // A choice in a transmit-tone editor, a choice or typed change in a receive-tone editor.
  void chosen(const QModelIndex& index, const QString& text) const;

 protected:
  bool eventFilter(QObject*, QEvent*) override { return false; }

 private:
  std::function<ToneMode()> mode_;
};

// "第3信道 发射亚音": a cell named by its row and column.
QString cell_name(const QModelIndex& index);

// Names a tone editor by its cell in the language in use.
void name_tone_editor(ChoiceBox* editor, const QModelIndex& index);

}  // namespace m27
