// SPDX-License-Identifier: GPL-3.0-or-later
// What a connection check heard, in virtual time: the fake radio answers (or not) a read-ID
// request asked as the link asks it, up to three times a second apart.

#include "link/line_listener.h"

#include <gtest/gtest.h>

#include "fake-radio/radio.h"
#include "hex.h"
#include "link/link.h"
#include "service/connection_check.h"
#include "service/radio_id.h"

namespace m27 {
namespace {

using namespace std::chrono_literals;

const TimePoint kT0 = TimePoint{} + 1h;

Heard listen_to(fake::Radio radio) {
  LineListener listener = id_listener();
  const auto request = wire_bytes(read_id_request());
  for (int attempt = 0; attempt < 3 && listener.verdict().answer != Answer::Reply; ++attempt) {
    const TimePoint asked = kT0 + attempt * 1s;
    listener.sent(asked, request);
    listener.written(asked);
    radio.receive(asked, request);
    for (auto due = radio.next_deadline(); due && *due < asked + 1s; due = radio.next_deadline()) {
      listener.heard(*due, radio.transmit(*due));
    }
  }
  return listener.verdict();
}

TEST(LineListener, TellsAReplyFromAnEchoFromGarbageFromSilence) {
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
      {"echo-only", true, Answer::EchoOnly},
      {"silent", false, Answer::Nothing},
      {"garbage", false, Answer::Unreadable},
      {"cut-off", false, Answer::Unreadable},       // half a reply
      {"bad-checksum", false, Answer::Unreadable},  // a whole one, spoilt
      {"early", false, Answer::Unreadable},  // inside the settle window, which the link drops
  };
  for (const Case& c : kCases) {
    fake::Options options{.paced = c.paced};
    if (*c.fault) options.fault = *fake::parse_fault(c.fault);
    const Heard heard = listen_to(fake::Radio(fake::default_memory(), options));
    EXPECT_EQ(heard.answer, c.answer) << c.fault;
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
  listener.sent(kT0, unhex("55 01 00 56"));
  listener.heard(kT0 + 100ms, wire_bytes(make_frame(0x3D, {1, 40, 1, 44, 0, 5, 9})));
  EXPECT_EQ(listener.verdict().answer, Answer::Nothing);
  listener.sent(kT0 + 1s, request);
  listener.heard(kT0 + 1s, std::span(request).first(3));
  EXPECT_EQ(listener.verdict().answer, Answer::Unreadable);
}

}  // namespace
}  // namespace m27
