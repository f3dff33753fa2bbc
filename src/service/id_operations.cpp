// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/id_operations.h"

#include "service/radio_id.h"

namespace m27 {
namespace {

std::optional<Frame> write_request(std::string_view id_text) {
  const auto id = id_value(id_text);
  if (!id) return std::nullopt;
  return write_id_request(*id);
}

}  // namespace

WriteId::WriteId(std::string_view id_text)
    : ServiceWrite(write_request(id_text),
                   {attention(M27_WORDS("service", "ID 输入错误，请重新输入")),
                    M27_WORDS("service", "写ID 通讯失败"), std::nullopt}) {}

ReadId::ReadId() : ServiceRead(read_id_request(), kIdReplyData) {}

}  // namespace m27
