#include "service/rssi_operations.h"

#include "service/rssi.h"

namespace m27 {
namespace {

std::optional<Frame> adjust_request(std::string_view Text1, std::string_view Text2) {
  const auto narrow = rssi_value(Text1);
  const auto wide = rssi_value(Text2);
  if (!narrow || !wide) return std::nullopt;
  return adjust_RSSI_cmd(*narrow, *wide);
}

}  // namespace

ReadRssi::ReadRssi() : ServiceRead(read_RSSI_cmd(), kRssiReplyData) {}

AdjustRssi::AdjustRssi(std::string_view Text1, std::string_view Text2)
    : ServiceWrite(adjust_request(Text1, Text2),
                   {attention("RSSI 输入错误，请重新输入"), "通讯失败", Message{"OK", "调整"}}) {}

}  // namespace m27
