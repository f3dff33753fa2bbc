// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/rssi_operations.h"

#include "service/rssi.h"

namespace m27 {
namespace {

std::optional<Frame> adjust_request(std::string_view narrow_text, std::string_view wide_text) {
  const auto narrow = rssi_value(narrow_text);
  const auto wide = rssi_value(wide_text);
  if (!narrow || !wide) return std::nullopt;
  return adjust_rssi_request(*narrow, *wide);
}

}  // namespace

ReadRssi::ReadRssi() : ServiceRead(read_rssi_request(), kRssiReplyData) {}

AdjustRssi::AdjustRssi(std::string_view narrow_text, std::string_view wide_text)
    : ServiceWrite(adjust_request(narrow_text, wide_text),
                   {attention(M27_WORDS("service", "RSSI 输入错误，请重新输入")),
                    M27_WORDS("service", "通讯失败"),
                    Notice{M27_WORDS("service", "OK"), M27_WORDS("service", "调整")}}) {}

}  // namespace m27
