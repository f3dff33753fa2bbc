// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A port that did not open, in the words both faces and the connection check use.

#include <QString>
#include <optional>

#include "link/qt/serial_port.h"

namespace m27 {

// A text of the link's Qt half, marked where it is written with QT_TRANSLATE_NOOP("link", ...),
// in the language in use.
QString said(const char* text);

// Why `device` (or "comN" for a port that maps to nothing) did not open after `outcome`:
// "串口不存在：DEV", "没有权限打开串口 DEV", "串口已被占用：DEV" or "串口无法打开：DEV（why）" with
// the system's `reason`.
QString cannot_open(OpenOutcome outcome, const QString& device, const QString& reason = {});

// How this user gets the rights to serial ports (each belongs to the group dialout).
QString dialout_hint();

// The hint after a port that was in use or refused, when it is the rights that lack.
std::optional<QString> dialout_hint(OpenOutcome outcome, const QString& device);

}  // namespace m27
