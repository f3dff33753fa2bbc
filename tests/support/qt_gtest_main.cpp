// SPDX-License-Identifier: GPL-3.0-or-later
// GoogleTest for code that needs a Qt application: the serial port, the link driver, the event
// loop that standard-input lines and signals arrive through.

#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
