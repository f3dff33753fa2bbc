// SPDX-License-Identifier: GPL-3.0-or-later
// The channel list as PDF, read back as text with pdftotext (poppler-utils): the facts of the
// sheet, every channel in use and no row beyond the channel total; the radio's ID while the
// window knows it.

#include <QProcess>
#include <QTemporaryDir>

#include "files/file_commands.h"
#include "ui/print/print_controller.h"
#include "ui_test_support.h"

namespace m27::testing {
namespace {

QString pdf_text(const QString& pdf) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(30'000) || pdftotext.exitCode() != 0) return QString();
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT

 private slots:
  void the_pdf_holds_the_channels_in_use_and_the_known_id() {
    QTemporaryDir dir;
    RecordingMessageBoxes boxes;
    boxes.save_answer = SaveAnswer::Discard;
    auto w = make_window(boxes);
    Sheet& sheet = w->sheet();
    sheet.channel_total = "16";
    sheet.rows[16].rx_frequency = "470.00000";  // beyond the total
    w->render_sheet();
    w->print_controller()->remember_radio_id(QStringLiteral("87654321"));
    w->print_controller()->export_pdf(dir.filePath("list.pdf"));
    const QString text = pdf_text(dir.filePath("list.pdf"));
    QVERIFY2(text.startsWith(QStringLiteral("未命名")), qPrintable(text));
    for (const char* fact : {"信道总数 16", "对讲机ID 87654321", "4:自定义频率", "1:普通模式"}) {
      QVERIFY2(text.contains(QString::fromUtf8(fact)), fact);
    }
    static const QRegularExpression kRow(QStringLiteral("^ *(\\d+) +(\\d{3}\\.\\d{5}) +(\\S+) +"
                                                        "\\d{3}\\.\\d{5} +\\S+ +窄带$"),
                                         QRegularExpression::MultilineOption);
    QStringList rows;
    for (const auto& row : kRow.globalMatch(text)) rows << row.captured(1) + row.captured(2);
    QCOMPARE(rows.size(), 16);
    for (int i = 0; i < 16; ++i) {
      QCOMPARE(rows[i],
               QString::number(i + 1) + QString::fromStdString(sheet.rows[i].rx_frequency));
    }
    QVERIFY(!text.contains(QStringLiteral("470.00000")));

    // An opened file forgets the ID and names the page.
    QVERIFY(!save_channel_file(sheet, dir.filePath("shop.m27").toStdString()));
    w->open_file(dir.filePath("shop.m27"));
    const ChannelPage page = w->print_controller()->page();
    QVERIFY(source_text(page.heading) == "shop.m27");
    QVERIFY(source_text(page.facts.back().first) != "对讲机ID");
  }

  void a_pdf_that_cannot_be_written_is_told() {
    RecordingMessageBoxes boxes;
    auto w = make_window(boxes);
    w->print_controller()->export_pdf(QStringLiteral("/nonexistent/list.pdf"));
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY(boxes.texts().front().startsWith("导出PDF失败\n/nonexistent/list.pdf\n"));
  }
};

}  // namespace m27::testing

QTEST_MAIN(m27::testing::PrintTest)
#include "print_test.moc"
