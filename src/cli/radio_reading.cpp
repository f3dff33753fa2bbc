// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/radio_reading.h"

#include "link/qt/link_driver.h"
#include "link/read_transfer.h"

namespace m27 {

std::optional<Sheet> read_radio(Session& session) {
  std::optional<Sheet> read;
  const auto taken =
      QObject::connect(&session.driver(), &LinkDriver::reported, [&read](const Event& e) {
        if (const auto* done = std::get_if<SheetRead>(&e)) read = done->sheet;
      });
  const bool ok = session.run(std::make_unique<ReadTransfer>(startup_sheet()));
  QObject::disconnect(taken);
  if (!ok) return std::nullopt;
  return read;
}

}  // namespace m27
