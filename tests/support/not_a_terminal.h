#pragma once
// A device path that exists but is no terminal. Each test gets its own file: a serial port
// locks the device it opens, so a shared one (/dev/null) would be "in use" while another test
// running at the same time holds it.

#include <QTemporaryFile>

namespace m27::testing {

class NotATerminal {
 public:
  NotATerminal() { file_.open(); }
  QString device() const { return file_.fileName(); }

 private:
  QTemporaryFile file_;
};

}  // namespace m27::testing
