// The link engine against the fake radio, in virtual time: what a write stores is what a read
// gives back, and every fault of the radio ends the transfer in time.

#include <gtest/gtest.h>

#include "channels/sheet.h"
#include "fake-radio/radio.h"
#include "link/read_transfer.h"
#include "link/write_transfer.h"
#include "sheet_line.h"
#include "support/varied_sheet.h"
#include "virtual_pair.h"

namespace m27 {
namespace {

using namespace m27::testing;

// A write sends `sheet`; a read replaces it with what it read.
template <typename Transfer>
std::optional<bool> transfer(fake::Radio& radio, Sheet& sheet) {
  VirtualPair pair(radio);
  pair.start(std::make_unique<Transfer>(sheet));
  pair.run(10 * 60s);
  if (auto read = sheet_read(pair.events)) sheet = std::move(*read);
  return pair.finished();
}

TEST(LinkWithFakeRadio, WriteThenReadGivesBackTheTable) {
  Sheet written = varied_sheet();
  fake::Radio radio(fake::default_memory(), {});
  ASSERT_EQ(transfer<WriteTransfer>(radio, written), true);
  EXPECT_EQ(radio.end_packets(), 1u);
  EXPECT_EQ(radio.memory().options,
            (std::array<std::uint8_t, 3>{0x01 | 0x04 | 0x20 | 0x40 | 0x80, 2, 17}));

  Sheet read = startup_sheet();
  ASSERT_EQ(transfer<ReadTransfer>(radio, read), true);
  EXPECT_EQ(line_of(read, kOptionFields), line_of(written, kOptionFields));
  for (int i = 0; i < kRows; ++i) {
    const ChannelRow& a = written.rows[i];
    const ChannelRow& b = read.rows[i];
    EXPECT_EQ(line_of(b, kRowFields), line_of(a, kRowFields)) << "row " << i;
    EXPECT_EQ(std::pair(b.rx_step, b.tx_step), std::pair(a.rx_step, a.tx_step)) << "row " << i;
  }
}

TEST(LinkWithFakeRadio, EveryFaultEndsTheReadInTime) {
  const Duration option_attempt = 1s + kByteTime * 6;
  struct Case {
    const char* fault;
    bool succeeds;
    Duration ends_by;
  };
  const Case kCases[] = {
      {"silent", false, 3 * option_attempt},
      {"bad-checksum", false, 3 * option_attempt},
      {"cut-off", false, 3 * option_attempt},
      {"garbage", false, 3 * option_attempt},
      {"early", false, 3 * option_attempt},
      {"slow=2000", false, 3 * option_attempt},
      {"echo", true, 3s},
      {"trailing", true, 3s},
      {"slow=900", true, 26 * 1s},
      {"silent-after=5", false, 5 * 200ms + 5s + kByteTime * 6},
  };
  for (const auto& c : kCases) {
    fake::Radio radio(fake::default_memory(), {.fault = *fake::parse_fault(c.fault)});
    Sheet sheet = startup_sheet();
    VirtualPair pair(radio);
    pair.start(std::make_unique<ReadTransfer>(sheet));
    pair.run(10 * 60s);
    EXPECT_EQ(pair.finished(), c.succeeds) << c.fault;
    EXPECT_LE(pair.finished_at(), c.ends_by) << c.fault;
  }
}

}  // namespace
}  // namespace m27
