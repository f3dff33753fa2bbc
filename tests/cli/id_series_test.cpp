// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/id_series.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

// A series cut short by the end of its input and one that ends with its count run end to end.
TEST(IdSeries, AdvancesOnEveryRadioThatTakesItsId) {
  struct Case {
    std::uint32_t start;
    int radios;
    const char* taken;    // what each radio did, in turn: y took its ID, n failed
    const char* offered;  // the ID each radio was offered
    IdFields after;
    bool done;
    bool any_failed;
  };
  const Case kCases[] = {
      {4294967294, 3, "yyy", "4294967294 4294967295 0", {"1", "3"}, true, false},
      {100, 3, "yny", "100 101 101", {"102", "2"}, true, true},  // the next radio gets 101
  };
  for (const auto& c : kCases) {
    IdSeries series(c.start, c.radios);
    std::string offered;
    for (const char* taken = c.taken; *taken; ++taken) {
      offered += (offered.empty() ? "" : " ") + series.fields().id;
      series.written(*taken == 'y');
    }
    EXPECT_EQ(offered, c.offered);
    EXPECT_EQ(series.fields(), c.after) << c.offered;
    EXPECT_EQ(series.done(), c.done) << c.offered;
    EXPECT_EQ(series.any_failed(), c.any_failed) << c.offered;
  }
}

}  // namespace
}  // namespace m27
