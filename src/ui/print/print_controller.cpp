// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/print_controller.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "files/file_io.h"
#include "i18n/translated.h"
#include "ui/print/page_painter.h"

namespace m27 {
namespace {

const QSize kPreviewSize{820, 900};  // the whole page legible at once

}  // namespace

PrintController::PrintController(const Sheet& sheet, MessageBoxes& boxes, View view, QAction* print,
                                 QAction* export_pdf)
    : QObject(view.window), sheet_(sheet), boxes_(boxes), view_(std::move(view)) {
  connect(print, &QAction::triggered, this, &PrintController::print_click);
  connect(export_pdf, &QAction::triggered, this, &PrintController::export_pdf_click);
}

ChannelPage PrintController::page() {
  view_.commit_edits();
  const QString date = QDate::currentDate().toString(Qt::ISODate);
  return channel_page(sheet_, QFileInfo(view_.file_name()).fileName().toStdString(),
                      date.toStdString(), radio_id_);
}

void PrintController::print_click() {
  const ChannelPage content = page();
  QPrinter printer(QPrinter::HighResolution);
  set_page_layout(printer);
  printer.setDocName(translated(content.heading));
  QPrintPreviewDialog preview(&printer, view_.window);
  preview.setObjectName(QStringLiteral("print_preview"));
  preview.setWindowTitle(tr("打印预览"));
  preview.resize(kPreviewSize);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this, &content](QPrinter* p) { paint_on(p, content); });
  view_.hold_timers(true);
  preview.exec();
  view_.hold_timers(false);
}

void PrintController::paint_on(QPrinter* printer, const ChannelPage& page) {
  QPainter painter(printer);
  const QRect area = printer->pageLayout().paintRectPixels(printer->resolution());
  paint_channel_page(painter, QRectF(QPointF(0, 0), area.size()), page);
}

void PrintController::export_pdf_click() {
  const QString open = view_.file_name();
  const QString start =
      open.isEmpty() ? QString()
                     : QFileInfo(open).dir().filePath(QFileInfo(open).completeBaseName() + ".pdf");
  view_.hold_timers(true);
  QString file = QFileDialog::getSaveFileName(view_.window, tr("导出PDF"), start,
                                              QStringLiteral("PDF (*.pdf)"));
  view_.hold_timers(false);
  if (file.isEmpty()) return;
  if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".pdf");
  export_pdf(file);
}

void PrintController::export_pdf(const QString& file) {
  const QByteArray pdf = channel_page_pdf(page());
  const std::filesystem::path path(QFile::encodeName(file).toStdString());
  if (const auto failed = replace_file(path, std::string_view(pdf.constData(), pdf.size()))) {
    const QString text =
        tr("导出PDF失败\n%1\n%2").arg(file, QString::fromStdString(failed->reason));
    boxes_.show(translated(attention(as_is(text.toStdString()))));
  }
}

}  // namespace m27
