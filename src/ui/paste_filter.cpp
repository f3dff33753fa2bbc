// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/paste_filter.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include "channels/grid_edit.h"

namespace m27 {

PasteFilter::PasteFilter(QLineEdit* box, bool (*allowed)(std::string_view text),
                         LinesPasted paste_lines)
    : QObject(box), box_(box), allowed_(allowed), paste_lines_(std::move(paste_lines)) {
  box->setAcceptDrops(false);
  box->installEventFilter(this);
}

bool PasteFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
      if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return false;
      paste(QClipboard::Clipboard);
      return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
      // The middle button pastes the selection where the system has one.
      if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton) return false;
      if (event->type() == QEvent::MouseButtonRelease &&
          QGuiApplication::clipboard()->supportsSelection()) {
        paste(QClipboard::Selection);
      }
      return true;
    case QEvent::ContextMenu:
      show_context_menu(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    default:
      return false;
  }
}

void PasteFilter::paste(QClipboard::Mode mode) {
  if (box_->isReadOnly()) return;
  const auto lines = pasted_values(QGuiApplication::clipboard()->text(mode).toStdString());
  if (lines.size() > 1) {
    paste_lines_(lines);
  } else if (allowed_(lines.front())) {
    box_->insert(QString::fromStdString(lines.front()));
  }
}

// The box's own menu, with its paste item routed through the rule.
void PasteFilter::show_context_menu(const QPoint& global_position) {
  QMenu* menu = box_->createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The paste item is the one whose connection to the box's paste comes off; its caption
  // depends on the language.
  for (QAction* item : menu->actions()) {
    if (QObject::disconnect(item, SIGNAL(triggered()), box_, SLOT(paste())) ||
        QObject::disconnect(item, &QAction::triggered, box_, &QLineEdit::paste)) {
      connect(item, &QAction::triggered, this, [this] { paste(QClipboard::Clipboard); });
    }
  }
  menu->popup(global_position);
}

}  // namespace m27
