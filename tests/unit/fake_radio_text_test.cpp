#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake-radio/command_line.h"
#include "fake-radio/dump.h"
#include "fake-radio/fault.h"

namespace m27::fake {
namespace {

using namespace std::chrono_literals;

Memory changed_memory() {
  Memory memory = default_memory();
  memory.options = {0xE5, 0x03, 0x19};
  memory.channels[0] = {0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67};
  memory.channels[24] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  memory.rssi_narrow = 0;
  memory.rssi_wide = 255;
  memory.id = 0xFFFFFFFF;
  return memory;
}

// `text` with line `number` (from 1) replaced by `line`; an empty `line` removes it.
std::string with_line(std::string text, int number, const std::string& line) {
  std::size_t begin = 0;
  for (int i = 1; i < number; ++i) begin = text.find('\n', begin) + 1;
  const std::size_t end = text.find('\n', begin) + 1;
  return text.replace(begin, end - begin, line.empty() ? "" : line + "\n");
}

TEST(FakeRadioDump, WritesOneLinePerRecord) {
  const std::string text = dump(default_memory());
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 29);  // a comment and 28 records
  EXPECT_NE(text.find("\noptions 01 00 16\n"), std::string::npos);
  EXPECT_NE(text.find("\nchannel 0 27 1A 27 1A 00 00 03\n"), std::string::npos);
  EXPECT_NE(text.find("\nchannel 24 27 13 27 13 00 00 00\n"), std::string::npos);
  EXPECT_NE(text.find("\nrssi 2D 2B\nid 00BC614E\n"), std::string::npos);
}

TEST(FakeRadioDump, ReadsBackWhatItWrote) {
  const Memory kMemories[] = {default_memory(), changed_memory(), Memory{}};
  for (const auto& memory : kMemories) {
    std::string error;
    EXPECT_EQ(parse_dump(dump(memory), &error), memory) << error;
  }
}

TEST(FakeRadioDump, AcceptsHandWrittenDumps) {
  std::string text = "# hand written\r\n\n  id 00bc614e  \n rssi 2d 2b\r\n";
  for (int row = 24; row >= 0; --row) {
    text += "channel " + std::to_string(row) + "\t27 1A 27 1A 00 00 03\n";
  }
  text += "options 01 00 16";  // no newline at the end
  std::string error;
  const auto memory = parse_dump(text, &error);
  ASSERT_TRUE(memory) << error;
  EXPECT_EQ(memory->id, 12345678u);
  EXPECT_EQ(memory->channels[24], (ChannelRecord{0x27, 0x1A, 0x27, 0x1A, 0, 0, 3}));
}

TEST(FakeRadioDump, RefusesBadDumps) {
  // Lines of dump(default_memory()): 1 comment, 2 options, 3..27 channels 0..24, 28 rssi, 29 id.
  const std::string good = dump(default_memory());
  struct Case {
    std::string text;
    std::string error;
  };
  const Case kBad[] = {
      {"", "no options line"},                         // nothing at all
      {with_line(good, 10, ""), "no channel 7 line"},  // a channel is lost
      {with_line(good, 29, ""), "no id line"},         // the ID is lost
      {with_line(good, 6, "channel 2 27 1A 27 1A 00 00 03"), "line 6: channel 2 repeated"},
      {with_line(good, 2, "options 01 00 1G"), "line 2: options needs 3 hex bytes"},  // not hex
      {with_line(good, 2, "options 1 0 16"), "line 2: options needs 3 hex bytes"},    // one digit
      {with_line(good, 2, "options 01 00 16 00"), "line 2: options needs 3 hex bytes"},  // 4 bytes
      {with_line(good, 3, "channel 25 27 1A 27 1A 00 00 03"),  // there are rows 0..24 only
       "line 3: channel needs a row 0..24"},
      {with_line(good, 3, "channel -1 27 1A 27 1A 00 00 03"), "line 3: channel needs a row 0..24"},
      {with_line(good, 3, "channel 0 27 1A 27 1A 00 00"),  // a record of 6 bytes
       "line 3: channel needs a row and 7 hex bytes"},
      {with_line(good, 3, "channel 0 27 1A 27 1A 00 00 03 00"),  // a record of 8 bytes
       "line 3: channel needs a row and 7 hex bytes"},
      {with_line(good, 3, "channel"), "line 3: channel needs a row 0..24"},
      {with_line(good, 28, "rssi 2D"), "line 28: rssi needs 2 hex bytes"},
      {with_line(good, 29, "id 1234567"), "line 29: id needs 8 hex digits"},     // 7 digits
      {with_line(good, 29, "id 123456789"), "line 29: id needs 8 hex digits"},   // 33 bits
      {with_line(good, 29, "id 12345678 9"), "line 29: id needs 8 hex digits"},  // two values
      {with_line(good, 1, "frequency 450.125"), "line 1: unknown record \"frequency\""},
      {good + "id 00000001\n", "line 30: id repeated"},
  };
  for (const auto& c : kBad) {
    std::string error;
    EXPECT_EQ(parse_dump(c.text, &error), std::nullopt) << c.error;
    EXPECT_EQ(error, c.error);
  }
}

TEST(FakeRadioFault, ReadsEveryFault) {
  struct Case {
    const char* text;
    Fault fault;
  };
  const Case kCases[] = {
      {"silent", {Fault::Kind::kSilent, 0}},
      {"silent-after=3", {Fault::Kind::kSilentAfter, 3}},
      {"silent-after=0", {Fault::Kind::kSilentAfter, 0}},
      {"bad-checksum", {Fault::Kind::kBadChecksum, 0}},
      {"cut-off", {Fault::Kind::kCutOff, 0}},
      {"garbage", {Fault::Kind::kGarbage, 0}},
      {"echo", {Fault::Kind::kEcho, 0}},
      {"early", {Fault::Kind::kEarly, 0}},
      {"slow=250", {Fault::Kind::kSlow, 250}},
      {"slow=1000000", {Fault::Kind::kSlow, 1000000}},
  };
  for (const auto& c : kCases) EXPECT_EQ(parse_fault(c.text), c.fault) << c.text;
}

TEST(FakeRadioFault, RefusesUnknownFaults) {
  const char* kBad[] = {
      "",                  // nothing
      "none",              // no such fault: leave --fault out instead
      "Silent",            // names are lower case
      "silent ",           // trailing blank
      "silent=1",          // silent takes no number
      "silent-after",      // K is missing
      "silent-after=",     // K is empty
      "silent-after=-1",   // negative
      "silent-after=+1",   // a sign
      "silent-after=1x",   // trailing letters
      "slow=1000001",      // longer than the longest delay
      "slow=99999999999",  // does not fit an int
      "cut-off=2",         // cut-off takes no number
  };
  for (const char* text : kBad) EXPECT_EQ(parse_fault(text), std::nullopt) << text;
}

std::optional<Settings> parse(std::vector<std::string_view> args, std::string* error = nullptr) {
  return parse_command_line(args, error);
}

TEST(FakeRadioCommandLine, ReadsEveryOption) {
  const auto settings = parse({"--paced", "--delay", "7", "--fault", "silent-after=2", "--load",
                               "in.txt", "--dump", "out.txt", "--log"});
  ASSERT_TRUE(settings);
  EXPECT_TRUE(settings->radio.paced);
  EXPECT_EQ(settings->radio.reply_delay, 7ms);
  EXPECT_EQ(settings->radio.fault, (Fault{Fault::Kind::kSilentAfter, 2}));
  EXPECT_EQ(settings->load_file, "in.txt");
  EXPECT_EQ(settings->dump_file, "out.txt");
  EXPECT_TRUE(settings->log);

  const auto defaults = parse({});
  ASSERT_TRUE(defaults);
  EXPECT_FALSE(defaults->radio.paced);
  EXPECT_EQ(defaults->radio.reply_delay, 30ms);
  EXPECT_EQ(defaults->radio.fault, Fault{});
  EXPECT_FALSE(defaults->load_file);
}

TEST(FakeRadioCommandLine, RefusesBadArguments) {
  struct Case {
    std::vector<std::string_view> args;
    const char* error;
  };
  const Case kBad[] = {
      {{"--fast"}, "unknown argument --fast"},
      {{"paced"}, "unknown argument paced"},  // options start with --
      {{"--delay"}, "--delay needs a value"},
      {{"--delay", "-5"}, "--delay needs a number of milliseconds 0..1000000, not -5"},
      {{"--delay", "5ms"}, "--delay needs a number of milliseconds 0..1000000, not 5ms"},
      {{"--fault", "loud"}, "unknown fault loud"},
      {{"--fault", "silent", "--fault", "echo"}, "--fault given twice"},  // one fault at a time
      {{"--dump"}, "--dump needs a value"},
  };
  for (const auto& c : kBad) {
    std::string error;
    EXPECT_EQ(parse(c.args, &error), std::nullopt) << c.error;
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace m27::fake
