// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pseudo-terminal pair for tests that need a serial device which really opens.

#include <pty.h>
#include <unistd.h>

#include <QString>

namespace m27::testing {

class PseudoTerminal {
 public:
  PseudoTerminal() {
    char name[128] = {};
    // Should it fail, the empty device opens nowhere and the test says so.
    if (openpty(&master_, &slave_, name, nullptr, nullptr) == 0)
      device_ = QString::fromLocal8Bit(name);
  }
  ~PseudoTerminal() {
    close(slave_);
    close(master_);
  }
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  // The device a serial port opens, e.g. /dev/pts/5.
  const QString& device() const { return device_; }
  // The other end, where the radio would sit.
  int master() const { return master_; }
  // The device's own end, held open by the test.
  int slave() const { return slave_; }

 private:
  int master_ = -1;
  int slave_ = -1;
  QString device_;
};

}  // namespace m27::testing
