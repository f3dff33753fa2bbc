// The link driver over a real pseudo-terminal: a whole table written into m27-fake-radio comes
// back identical from a read, and the radio's memory dump holds exactly what was written.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTimer>

#include "channels/codec.h"
#include "channels/options.h"
#include "channels/sheet.h"
#include "fake-radio/dump.h"
#include "link/qt/link_driver.h"
#include "link/read_transfer.h"
#include "link/write_transfer.h"
#include "support/fake_radio_process.h"

namespace m27 {
namespace {

constexpr int kPatienceMs = 60'000;  // a transfer takes about 2 s; a hang fails the test

// Runs one transfer on the driver until it reports its end; nullopt when it never does.
std::optional<bool> run(LinkDriver& driver, std::unique_ptr<Operation> operation) {
  QEventLoop loop;
  std::optional<bool> outcome;
  QTimer patience;
  patience.setSingleShot(true);
  QObject::connect(&patience, &QTimer::timeout, &loop, &QEventLoop::quit);
  const auto connection = QObject::connect(&driver, &LinkDriver::action, [&](const Action& a) {
    if (const auto* f = std::get_if<Finished>(&a)) {
      outcome = f->ok;
      loop.quit();
    }
  });
  patience.start(kPatienceMs);
  if (driver.start(std::move(operation)) && !outcome) loop.exec();
  QObject::disconnect(connection);
  return outcome;
}

Sheet table_to_write() {
  Sheet sheet = startup_sheet();
  sheet.Combo4 = "2:专业模式";
  Combo4_Click(sheet);
  sheet.Combo7 = "开";
  sheet.Combo2_60 = "9";
  for (int i = 0; i < kRows; ++i) {
    sheet.rows[i].Text1 = i % 2 ? "409.76250" : "440.00500";
    sheet.rows[i].Text5 = i % 2 ? "I754" : "254.1";
    sheet.rows[i].Text2 = i % 3 ? "95.2" : "D754";
    sheet.rows[i].Text4 = i % 2 ? "宽带" : "窄带";
  }
  return sheet;
}

TEST(LinkOverPty, WrittenTableReadsBackAndIsWhatTheRadioHolds) {
  QTemporaryDir dir;
  const QString dump_path = dir.filePath("radio.dump");
  testing::FakeRadioProcess radio({"--dump", dump_path});
  ASSERT_FALSE(radio.path().isEmpty());

  QSerialPort port(radio.path());
  port.setBaudRate(QSerialPort::Baud9600);
  ASSERT_TRUE(port.open(QIODevice::ReadWrite)) << port.errorString().toStdString();
  LinkDriver driver(port);

  Sheet written = table_to_write();
  ASSERT_EQ(run(driver, std::make_unique<WriteTransfer>(written)), true);
  Sheet read = startup_sheet();
  ASSERT_EQ(run(driver, std::make_unique<ReadTransfer>(read)), true);
  for (int i = 0; i < kRows; ++i) {
    const ChannelRow& a = written.rows[i];
    const ChannelRow& b = read.rows[i];
    EXPECT_EQ(std::tie(a.Text1, a.Text5, a.Text3, a.Text2, a.Text4),
              std::tie(b.Text1, b.Text5, b.Text3, b.Text2, b.Text4))
        << "row " << i;
  }
  EXPECT_EQ(read.Combo4, "2:专业模式");
  EXPECT_EQ(read.Combo7, "开");
  EXPECT_EQ(read.Combo2_60, "9");

  port.close();
  radio.stop();
  QFile dump(dump_path);
  ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
  std::string error;
  const auto memory = fake::parse_dump(dump.readAll().toStdString(), &error);
  ASSERT_TRUE(memory) << error;
  EXPECT_EQ(memory->options, *encode_options(written));
  for (int i = 0; i < kRows; ++i) EXPECT_EQ(memory->channels[i], *encode_channel(written, i)) << i;
}

}  // namespace
}  // namespace m27

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
