#include "service/id_operations.h"

#include "service/radio_id.h"

namespace m27 {
namespace {

std::optional<Frame> write_request(std::string_view Text1) {
  const auto id = id_value(Text1);
  if (!id) return std::nullopt;
  return write_ID_cmd(*id);
}

}  // namespace

WriteId::WriteId(std::string_view Text1)
    : ServiceWrite(write_request(Text1),
                   {attention("ID 输入错误，请重新输入"), "写ID 通讯失败", std::nullopt}) {}

ReadId::ReadId() : ServiceRead(read_ID_cmd(), kIdReplyData) {}

}  // namespace m27
