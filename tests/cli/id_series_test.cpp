#include "cli/id_series.h"

#include <gtest/gtest.h>

#include <vector>

namespace m27 {
namespace {

TEST(IdSeries, AdvancesOnEveryRadioThatTakesItsId) {
  struct Case {
    std::uint32_t start;
    int radios;
    std::vector<bool> taken;       // what each radio did, in turn
    std::vector<std::string> ids;  // the ID each radio was offered
    IdFields after;
    bool done;
    bool any_failed;
  };
  const Case kCases[] = {
      {4294967294,
       3,
       {true, true, true},
       {"4294967294", "4294967295", "0"},
       {"1", "3"},
       true,
       false},
      // A radio that fails leaves its ID to the next one.
      {100, 3, {true, false, true}, {"100", "101", "101"}, {"102", "2"}, true, true},
      {7, 5, {true}, {"7"}, {"8", "1"}, false, false},
      // Nothing happens once every radio has had its turn.
      {100, 1, {true, true}, {"100", "101"}, {"101", "1"}, true, false},
  };
  for (const auto& c : kCases) {
    IdSeries series(c.start, c.radios);
    std::vector<std::string> offered;
    for (bool taken : c.taken) {
      offered.push_back(series.fields().id);
      series.written(taken);
    }
    EXPECT_EQ(offered, c.ids) << c.start;
    EXPECT_EQ(series.fields(), c.after) << c.start;
    EXPECT_EQ(series.done(), c.done) << c.start;
    EXPECT_EQ(series.any_failed(), c.any_failed) << c.start;
  }
}

}  // namespace
}  // namespace m27
