// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/port_search.h"

#include <QFileInfo>

namespace m27 {

std::vector<PortDescription> ports_to_search(const std::vector<PortDescription>& ports,
                                             const PortMap& map) {
  std::vector<PortDescription> chosen;
  for (const PortDescription& port : ports) {
    const bool built_in = QFileInfo(port.device).fileName().startsWith(QLatin1String("ttyS"));
    const bool usb = port.vendor && port.product;
    if (!built_in && (usb || map.assigned(port.port_no))) chosen.push_back(port);
  }
  return chosen;
}

}  // namespace m27
