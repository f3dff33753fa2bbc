// SPDX-License-Identifier: GPL-3.0-or-later
// bare_core: the least a Qt Core program takes to start and end, the start-up bench's yardstick:
// a QCoreApplication, linked with Qt Serial Port as m27 is, that prints one word.

#include <QCoreApplication>
#include <QSerialPort>
#include <cstdio>

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  std::puts(QSerialPort::staticMetaObject.className());
  return 0;
}
