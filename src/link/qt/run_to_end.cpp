// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/run_to_end.h"

#include <QEventLoop>
#include <QTimer>

namespace m27 {

std::optional<Ending> run_to_end(LinkDriver& driver, std::unique_ptr<Operation> operation,
                                 std::optional<std::chrono::milliseconds> patience) {
  QEventLoop loop;
  std::optional<Ending> outcome;
  const auto connection =
      QObject::connect(&driver, &LinkDriver::reported, &loop, [&](const Event& e) {
        if (const auto* finished = std::get_if<Finished>(&e)) {
          outcome = finished->ending;
          loop.quit();
        }
      });
  if (patience) QTimer::singleShot(*patience, &loop, &QEventLoop::quit);
  if (driver.start(std::move(operation)) && !outcome) loop.exec();
  QObject::disconnect(connection);
  return outcome;
}

}  // namespace m27
