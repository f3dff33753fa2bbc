// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/port_search.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "link/qt/port_words.h"

namespace m27 {

bool is_cable_driver(const QString& driver) {
  static const QStringList kCableDrivers{"ftdi_sio", "pl2303", "ch341", "cp210x"};
  return kCableDrivers.contains(driver);
}

SearchPlan ports_to_search(const std::vector<PortDescription>& ports, const PortMap& map,
                           bool all) {
  SearchPlan plan;
  for (const PortDescription& port : ports) {
    const bool probed = all || map.assigned(port.port_no) || is_cable_driver(port.driver);
    (probed ? plan.probed : plan.passed_over).push_back(port);
  }
  return plan;
}

SearchedPort passed_over(const PortDescription& port) {
  return {port.port_no,
          port.device,
          {false, said(QT_TRANSLATE_NOOP("link", "未检测：不是常见的写频线")), {}},
          false};
}

QString port_name(int port_no, const QString& device) {
  const QString number = QStringLiteral("com%1").arg(port_no);
  return device.isEmpty() || device == number ? number
                                              : number + QStringLiteral(" (%1)").arg(device);
}

QStringList search_report(std::vector<SearchedPort> ports) {
  std::sort(ports.begin(), ports.end(),
            [](const SearchedPort& a, const SearchedPort& b) { return a.port_no < b.port_no; });
  const auto name = [](const SearchedPort& port) { return port_name(port.port_no, port.device); };
  QStringList lines;
  for (const SearchedPort& port : ports) {
    lines << said(QT_TRANSLATE_NOOP("link", "%1：%2"))
                 .arg(name(port), port.probed ? marked(port.line) : port.line.text);
  }
  for (const SearchedPort& port : ports) {
    if (port.line.passed) lines << said(QT_TRANSLATE_NOOP("link", "对讲机在 %1")).arg(name(port));
  }
  if (radios_found(ports) == 0) lines << said(QT_TRANSLATE_NOOP("link", "没有找到对讲机"));
  return lines;
}

int radios_found(const std::vector<SearchedPort>& ports) {
  return static_cast<int>(std::count_if(ports.begin(), ports.end(),
                                        [](const SearchedPort& p) { return p.line.passed; }));
}

}  // namespace m27
