// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data bytes of a reply or a monitor packet as ReplyData and MonitorPacket carry them to a
// dialog: `RxData`, the data then zeros (link/receiver.h).

#include "link/receiver.h"
