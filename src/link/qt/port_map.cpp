// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/port_map.h"

#include <QFileInfo>
#include <algorithm>

#include "link/qt/serial_devices.h"

namespace m27 {
namespace {

using Numbered = std::array<QString, kLastPort>;

bool is_ascii_digit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool is_usb_adapter(const QString& device) {
  const QString name = QFileInfo(device).fileName();
  return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
}

// Compares runs of digits by their value, everything else character by character.
bool natural_less(const QString& a, const QString& b) {
  qsizetype i = 0;
  qsizetype j = 0;
  while (i < a.size() && j < b.size()) {
    if (is_ascii_digit(a[i]) && is_ascii_digit(b[j])) {
      qsizetype end_a = i;
      qsizetype end_b = j;
      while (end_a < a.size() && is_ascii_digit(a[end_a])) ++end_a;
      while (end_b < b.size() && is_ascii_digit(b[end_b])) ++end_b;
      const qulonglong value_a = a.mid(i, end_a - i).toULongLong();
      const qulonglong value_b = b.mid(j, end_b - j).toULongLong();
      if (value_a != value_b) return value_a < value_b;
      i = end_a;
      j = end_b;
      continue;
    }
    if (a[i] != b[j]) return a[i] < b[j];
    ++i;
    ++j;
  }
  return a.size() - i < b.size() - j;
}

Numbered number(QStringList devices) {
  std::sort(devices.begin(), devices.end(), [](const QString& a, const QString& b) {
    const bool usb_a = is_usb_adapter(a);
    const bool usb_b = is_usb_adapter(b);
    if (usb_a != usb_b) return usb_a;
    return natural_less(a, b);
  });
  Numbered numbered;
  const auto count = std::min<qsizetype>(devices.size(), kLastPort);
  for (qsizetype i = 0; i < count; ++i) numbered[i] = devices[i];
  return numbered;
}

}  // namespace

// The system's ports in their numbering, looked for when first needed.
class PortMap::Listing {
 public:
  explicit Listing(std::function<QStringList()> list) : list_(std::move(list)) {}

  const Numbered& devices() {
    if (!numbered_) numbered_ = number(list_());
    return *numbered_;
  }

 private:
  std::function<QStringList()> list_;
  std::optional<Numbered> numbered_;
};

PortMap PortMap::from_devices(QStringList devices) {
  return listed_by([devices = std::move(devices)] { return devices; });
}

PortMap PortMap::listed_by(std::function<QStringList()> list) {
  PortMap map;
  map.listing_ = std::make_shared<Listing>(std::move(list));
  return map;
}

PortMap PortMap::from_system(PortScan scan) {
  return listed_by([scan] { return serial_devices(scan); });
}

void PortMap::set(const PortAssignment& assignment) {
  if (assignment.port_no < kFirstPort || assignment.port_no > kLastPort) return;
  assigned_[assignment.port_no - kFirstPort] = assignment.device;
}

QString PortMap::device(int port_no) const {
  if (port_no < kFirstPort || port_no > kLastPort) return {};
  const std::size_t index = port_no - kFirstPort;
  if (assigned_[index]) return *assigned_[index];
  return listing_ ? listing_->devices()[index] : QString();
}

bool PortMap::assigned(int port_no) const {
  return port_no >= kFirstPort && port_no <= kLastPort && assigned_[port_no - kFirstPort];
}

std::optional<PortAssignment> parse_port_assignment(const QString& text) {
  const qsizetype equals = text.indexOf(QLatin1Char('='));
  if (equals < 0) return std::nullopt;
  const QString port = text.left(equals);
  const QString device = text.mid(equals + 1);
  if (!port.startsWith(QLatin1String("com"), Qt::CaseInsensitive) || device.isEmpty()) {
    return std::nullopt;
  }
  const QString digits = port.mid(3);
  const bool all_digits =
      !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), is_ascii_digit);
  if (!all_digits) return std::nullopt;
  const int port_no = digits.toInt();
  if (port_no < kFirstPort || port_no > kLastPort) return std::nullopt;
  return PortAssignment{port_no, device};
}

}  // namespace m27
