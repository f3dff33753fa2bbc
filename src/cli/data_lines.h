// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data a command prints on standard output, one line per reply or monitor packet, so that
// a script can read it. A reply or packet too short for what it stands for prints nothing.

#include <QtGlobal>
#include <optional>
#include <string>

#include "link/frame.h"

namespace m27 {

// `id read`: the ID in decimal, "12345678".
std::optional<std::string> id_line(const Frame& reply);

// `rssi read`: narrow band, then wide band, "45 43", the form `rssi adjust` takes them in.
std::optional<std::string> rssi_line(const Frame& reply);

// `monitor`: "RSSI SNR AFC AUDIO" for a packet of the RSSI stream ("40 300 5 9"), "AD CHARGE" for
// one of the battery stream ("1000 1", 1 while charging); nothing for a packet of any other type.
std::optional<std::string> monitor_line(const Frame& packet);

// What the columns of `monitor_line` mean, with the window's labels (to translate in "cli").
inline constexpr const char* kRssiMonitorColumns =
    QT_TRANSLATE_NOOP("cli", "RSSI(Reg68) SNR(Reg102) AFC(Reg70) AudioLv(Reg74)");
inline constexpr const char* kBatteryMonitorColumns = QT_TRANSLATE_NOOP("cli", "AD 值 充电");

}  // namespace m27
