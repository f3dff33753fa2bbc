// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 打印… and 导出PDF… of the file menu: the channel list of the window's sheet on one A4 page
// (`channel_page`), printed through the system's print dialog after a preview, or saved as a
// PDF. Open edits are committed first, as a save does. The page names the radio's ID when the
// window knows it: the last one read through the window's port (读ID, or a connection check
// there), forgotten when the port closes or a file opens.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "channels/channel_page.h"
#include "channels/sheet.h"
#include "ui/window/message_boxes.h"

class QAction;
class QPrinter;
class QWidget;

namespace m27 {

class PrintController : public QObject {
  Q_OBJECT

 public:
  struct View {
    QWidget* window;                             // the dialogs' parent
    std::function<void()> commit_edits;          // commits the open edits and shows the sheet again
    std::function<QString()> file_name;          // the channel file open in the window, or empty
    std::function<void(bool held)> hold_timers;  // while a dialog is open
  };

  PrintController(const Sheet& sheet, MessageBoxes& boxes, View view, QAction* print,
                  QAction* export_pdf);

  void remember_radio_id(const QString& id) { radio_id_ = id.toStdString(); }
  void forget_radio_id() { radio_id_.reset(); }

  // The page as it would go out now, the open edits committed first.
  ChannelPage page();
  // Writes the page as PDF into `file`; a failure is told in a message box.
  void export_pdf(const QString& file);

 private:
  void print_click();
  void export_pdf_click();
  void paint_on(QPrinter* printer, const ChannelPage& page);

  const Sheet& sheet_;
  MessageBoxes& boxes_;
  View view_;
  std::optional<std::string> radio_id_;
};

}  // namespace m27
