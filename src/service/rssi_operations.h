// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engineering-mode buttons: "数据读取" reads the two calibration values, "调整" sends the
// two typed ones.

#include <string_view>

#include "service/service_exchange.h"

namespace m27 {

// "数据读取": the reply's ReplyData goes through `decode_rssi`.
class ReadRssi : public ServiceRead {
 public:
  ReadRssi();
};

// "调整" with the texts of `narrow_text` (narrow band) and `wide_text` (wide band) as they are when
// it is pressed; a text that is not an integer 0..255 refuses it with "RSSI 输入错误，请重新输入".
class AdjustRssi : public ServiceWrite {
 public:
  AdjustRssi(std::string_view narrow_text, std::string_view wide_text);
};

}  // namespace m27
