// The link driver over a real pseudo-terminal: a whole table written into m27-fake-radio comes
// back identical from a read, and the radio's memory dump holds exactly what was written.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QSerialPort>
#include <QTimer>

#include "channels/codec.h"
#include "link/qt/link_driver.h"
#include "link/read_transfer.h"
#include "link/write_transfer.h"
#include "support/fake_radio_process.h"
#include "support/varied_sheet.h"

namespace m27 {
namespace {

constexpr int kPatienceMs = 60'000;  // a transfer takes about 2 s; a hang fails the test

using testing::FakeRadioProcess;

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

TEST(LinkOverPty, WrittenTableReadsBackAndIsWhatTheRadioHolds) {
  FakeRadioProcess radio;
  ASSERT_FALSE(radio.device().isEmpty());

  QSerialPort port(radio.device());
  port.setBaudRate(QSerialPort::Baud9600);
  ASSERT_TRUE(port.open(QIODevice::ReadWrite)) << port.errorString().toStdString();
  LinkDriver driver(port);

  Sheet written = testing::varied_sheet();
  ASSERT_EQ(run(driver, std::make_unique<WriteTransfer>(written)), true);
  Sheet read = startup_sheet();
  ASSERT_EQ(run(driver, std::make_unique<ReadTransfer>(read)), true);
  for (int i = 0; i < kRows; ++i) {
    const ChannelRow& a = written.rows[i];
    const ChannelRow& b = read.rows[i];
    EXPECT_EQ(std::tie(a.rx_frequency, a.rx_tone, a.tx_frequency, a.tx_tone, a.bandwidth),
              std::tie(b.rx_frequency, b.rx_tone, b.tx_frequency, b.tx_tone, b.bandwidth))
        << "row " << i;
  }
  EXPECT_EQ(std::tie(read.mode, read.fsk, read.channel_total),
            std::tie(written.mode, written.fsk, written.channel_total));

  port.close();
  const auto memory = radio.memory();
  ASSERT_TRUE(memory);
  EXPECT_EQ(memory->options, *encode_options(written));
  for (int i = 0; i < kRows; ++i) EXPECT_EQ(memory->channels[i], *encode_channel(written, i)) << i;
}

}  // namespace
}  // namespace m27
