#include "service/radio_id.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(RadioId, RequestsAreByteExact) {
  struct Case {
    const char* name;
    Frame frame;
    Bytes expected;
  };
  const Case kCases[] = {
      {"write 305419896", write_ID_cmd(305419896), {0x5A, 0x04, 0x12, 0x34, 0x56, 0x78, 0x72}},
      {"write 4294967295", write_ID_cmd(4294967295), {0x5A, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A}},
      {"write 40000", write_ID_cmd(40000), {0x5A, 0x04, 0x00, 0x00, 0x9C, 0x40, 0x3A}},
      {"write 0", write_ID_cmd(0), {0x5A, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5E}},
      {"read", read_ID_cmd(), {0x5B, 0x03, 0x00, 0x00, 0x00, 0x5E}},
  };
  for (const auto& c : kCases) EXPECT_EQ(wire_bytes(c.frame), c.expected) << c.name;
}

TEST(RadioId, DisplayReadsFourBytesMostSignificantFirst) {
  struct Case {
    std::array<std::uint8_t, 4> bytes;
    const char* expected;
  };
  const Case kCases[] = {
      {{0x00, 0x01, 0x00, 0x00}, "65536"},
      {{0x12, 0x34, 0x56, 0x78}, "305419896"},
      {{0xFF, 0xFF, 0xFF, 0xFF}, "4294967295"},
      {{0x00, 0x00, 0x00, 0x00}, "0"},
  };
  for (const auto& c : kCases) {
    RxData rx_data{};
    rx_data.fill(0x55);  // bytes past the ID do not count
    std::copy(c.bytes.begin(), c.bytes.end(), rx_data.begin());
    EXPECT_EQ(display_ID(rx_data), c.expected);
  }
}

TEST(RadioId, IdsThatMayBeWritten) {
  struct Case {
    const char* text;
    std::uint32_t id;
  };
  const Case kCases[] = {{"0", 0}, {"100", 100}, {"0000000040", 40}, {"4294967295", 4294967295}};
  for (const auto& c : kCases) EXPECT_EQ(id_value(c.text), c.id) << c.text;
}

TEST(RadioId, IdsThatAreRefused) {
  const char* const kBad[] = {
      "",            // an empty field
      "4294967296",  // one past the largest 32-bit ID
      "9999999999",  // ten digits fit the field but not 32 bits
      "abc",         // pasted text, not a number
      "12a",         // digits and more
      "-1",          // negative
      " 1",          // a blank
      "1.5",         // not an integer
  };
  for (const char* text : kBad) EXPECT_EQ(id_value(text), std::nullopt) << '"' << text << '"';
}

TEST(RadioId, KeyFilterPassesDigitsAndEditingKeys) {
  struct Case {
    int key;
    KeyAction expected;
  };
  const Case kCases[] = {
      {'0', KeyAction::Pass}, {'5', KeyAction::Pass}, {'9', KeyAction::Pass},
      {8, KeyAction::Pass},   {127, KeyAction::Pass}, {13, KeyAction::MoveFocus},
      {'.', KeyAction::Drop}, {'-', KeyAction::Drop}, {'a', KeyAction::Drop},
      {' ', KeyAction::Drop}, {'/', KeyAction::Drop}, {':', KeyAction::Drop},
      {9, KeyAction::Drop},   {0, KeyAction::Drop},
  };
  for (const auto& c : kCases) EXPECT_EQ(id_key_filter(c.key), c.expected) << c.key;
}

TEST(RadioId, AWriteAdvancesTheIdAndTheCount) {
  struct Case {
    const char* name;
    std::uint32_t written;
    const char* Text2;
    IdFields expected;
  };
  const Case kCases[] = {
      {"first of a series", 100, "0", {"101", "1"}},
      {"later in a series", 305419896, "41", {"305419897", "42"}},
      {"past the largest ID back to 0", 4294967295, "7", {"0", "8"}},
      {"a count that is not a number starts again", 5, "abc", {"6", "1"}},
  };
  for (const auto& c : kCases) EXPECT_EQ(after_write(c.written, c.Text2), c.expected) << c.name;
}

}  // namespace
}  // namespace m27
