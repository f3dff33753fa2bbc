#pragma once
// The radio-ID buttons: "写ID" writes the typed ID, "读ID" reads the radio's.

#include <string_view>

#include "service/service_exchange.h"

namespace m27 {

// "写ID" with the text of `Text1` as it is when it is pressed; an empty or too large ID refuses
// it with "ID 输入错误，请重新输入". Success is Finished{true}: the dialog then shows the field
// green and advances it with `after_write`.
class WriteId : public ServiceWrite {
 public:
  explicit WriteId(std::string_view Text1);
};

// "读ID": the reply's ReplyData goes through `display_ID`.
class ReadId : public ServiceRead {
 public:
  ReadId();
};

}  // namespace m27
