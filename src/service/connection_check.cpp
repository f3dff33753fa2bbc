// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/connection_check.h"

#include "service/radio_id.h"

namespace m27 {

AskForId::AskForId() : ServiceRead(read_id_request(), kIdReplyData) {}

Next AskForId::on_reply(const Frame&, std::vector<Event>&) { return Finished{}; }

Finished AskForId::on_timeout() { return {Ending::NoAnswer, {}}; }

LineListener id_listener() { return LineListener(wire_bytes(read_id_request()), kIdReplyData); }

AnswerLine answer_line(const Heard& heard) {
  switch (heard.answer) {
    case Answer::Reply: {
      const auto ms = std::chrono::round<std::chrono::milliseconds>(heard.round_trip).count();
      return {true, M27_WORDS("service", "连接正常：对讲机ID %1，往返 %2 ms")
                        .arg(decode_id(heard.reply).value_or("?"))
                        .arg(ms)};
    }
    case Answer::TooEarly:
      return {false,
              M27_WORDS("service",
                        "对讲机应答太快（不到 20 ms），应答被丢弃：请换一台对讲机或数据线再试")};
    case Answer::EchoOnly:
      return {
          false,
          M27_WORDS("service",
                    "只收到回显：数据线正常，但对讲机没有应答，请确认对讲机已开机、插头已插紧")};
    case Answer::Unreadable:
      return {false, M27_WORDS("service", "收到无法识别的数据：请确认数据线和对讲机是本机型的")};
    case Answer::Nothing:
      break;
  }
  return {false, M27_WORDS("service", "对讲机没有应答：请确认对讲机已开机、数据线两端已插紧")};
}

}  // namespace m27
