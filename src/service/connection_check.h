// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last step of a connection check: the radio is asked for its ID, which changes nothing in
// it, as any exchange asks (1 s a try, three tries). What came back a LineListener on the line
// tells (link/line_listener.h): it hears what the link throws away too.

#include <string>

#include "channels/words.h"
#include "link/line_listener.h"
#include "service/service_exchange.h"

namespace m27 {

// The read-ID request. Its sequence shows nothing of its own: the check's line says it all.
class AskForId : public ServiceRead {
 public:
  AskForId();
  Next on_reply(const Frame& reply, std::vector<Event>& out) override;
  Finished on_timeout() override;
};

// A LineListener for the request of AskForId.
LineListener id_listener();

// The step's line: whether the radio answered properly, and what was heard in the user's words.
struct AnswerLine {
  bool answered = false;
  Words text;
};
AnswerLine answer_line(const Heard& heard);

}  // namespace m27
