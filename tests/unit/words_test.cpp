// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/words.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

// Arguments past %9 are numbers of two digits: "%10" is the tenth, not the first and a "0", and
// "%100" the tenth and a "0". A number no argument has stays as it is written.
TEST(Words, FillInTakesOneOrTwoDigitsAfterThePercentSign) {
  const std::vector<std::string> values{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
  EXPECT_EQ(fill_in("%10 %1 %9 %100", values), "j a i j0");
  EXPECT_EQ(fill_in("%0 %11 %x 5%", values), "%0 %11 %x 5%");
}

}  // namespace
}  // namespace m27
