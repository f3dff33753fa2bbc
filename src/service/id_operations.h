// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio-ID buttons: "写ID" writes the typed ID, "读ID" reads the radio's.

#include <string_view>

#include "service/service_exchange.h"

namespace m27 {

// "写ID" with the text of `id_text` as it is when it is pressed; an empty or too large ID refuses
// it with "ID 输入错误，请重新输入". Success is Finished{true}: the dialog then shows the field
// green and advances it with `after_write`.
class WriteId : public ServiceWrite {
 public:
  explicit WriteId(std::string_view id_text);
};

// "读ID": the reply's ReplyData goes through `decode_id`.
class ReadId : public ServiceRead {
 public:
  ReadId();
};

}  // namespace m27
