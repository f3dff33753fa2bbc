#include "cli/radio_reading.h"

#include "link/read_transfer.h"

namespace m27 {

std::optional<Sheet> read_radio(Session& session) {
  Sheet sheet = startup_sheet();
  if (!session.run(std::make_unique<ReadTransfer>(sheet))) return std::nullopt;
  return sheet;
}

}  // namespace m27
