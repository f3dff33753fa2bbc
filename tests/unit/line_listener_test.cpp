// SPDX-License-Identifier: GPL-3.0-or-later
// What a connection check heard, in virtual time: the link asks the fake radio for its ID, up to
// three times a second apart, and the listener hears the link's events.

#include "link/line_listener.h"

#include <gtest/gtest.h>

#include "fake-radio/radio.h"
#include "hex.h"
#include "service/connection_check.h"
#include "service/radio_id.h"
#include "virtual_pair.h"

namespace m27 {
namespace {

using namespace std::chrono_literals;

TEST(LineListener, TellsAReplyFromOneTooEarlyFromAnEchoFromGarbageFromSilence) {
  const char* kId = "44 04 00 BC 61 4E B3";
  struct Case {
    const char* fault;
    bool paced;
    Answer answer;
    const char* reply = "";
    Duration round_trip{};
  };
  const Case kCases[] = {
      {"", false, Answer::Reply, kId, 50ms},  // the 20 ms settle and the radio's 30 ms
      {"", true, Answer::Reply, kId, 50ms + 7 * kByteTime},      // to the reply's last byte
      {"echo", true, Answer::Reply, kId, 50ms + 7 * kByteTime},  // a cable's echo, then the radio
      {"trailing", false, Answer::Reply, kId, 50ms},  // what follows a reply is not heard
      {"early", false, Answer::TooEarly},             // a whole reply the settle window drops
      {"echo-only", true, Answer::EchoOnly},
      {"silent", false, Answer::Nothing},
      {"garbage", false, Answer::Unreadable},
      {"cut-off", false, Answer::Unreadable},       // half a reply
      {"bad-checksum", false, Answer::Unreadable},  // a whole one, spoilt
  };
  for (const Case& c : kCases) {
    fake::Options options{.paced = c.paced};
    if (*c.fault) options.fault = *fake::parse_fault(c.fault);
    fake::Radio radio(fake::default_memory(), options);
    testing::VirtualPair pair(radio);
    LineListener listener = id_listener();
    pair.listener = &listener;
    pair.start(std::make_unique<AskForId>());
    pair.run();
    const Heard heard = listener.verdict();
    EXPECT_EQ(heard.answer, c.answer) << c.fault;
    EXPECT_EQ(answer_line(heard).answered, c.answer == Answer::Reply) << c.fault;
    if (c.answer == Answer::Reply) {
      EXPECT_EQ(hex(wire_bytes(heard.reply)), c.reply) << c.fault;
    }
    EXPECT_EQ(heard.round_trip, c.round_trip) << c.fault;
  }
}

// Only the request's own exchange is heard, not that of the stop the link may send first to a
// test-mode stream it started. An echo is the request whole: the start of one is data that makes
// no reply.
TEST(LineListener, HearsTheRequestOnlyAndItsEchoWhole) {
  LineListener listener = id_listener();
  const auto request = wire_bytes(read_id_request());
  listener.hear(Send{unhex("55 01 00 56")});
  listener.hear(Received{wire_bytes(make_frame(0x3D, {1, 40, 1, 44, 0, 5, 9})), Intake::Taken});
  EXPECT_EQ(listener.verdict().answer, Answer::Nothing);
  listener.hear(Send{request});
  listener.hear(Received{{request.begin(), request.begin() + 3}, Intake::Dropped});
  EXPECT_EQ(listener.verdict().answer, Answer::Unreadable);
}

}  // namespace
}  // namespace m27
