#pragma once
// Steps the read and write transfers share.

#include <chrono>
#include <vector>

#include "link/actions.h"

namespace m27 {

// The option exchange of a read waits 1 s an attempt, everything else of the transfers 5 s.
inline constexpr std::chrono::seconds kReadOptionsInterval{1};
inline constexpr std::chrono::seconds kTransferInterval{5};

// `release_controls`: progress back to 0 and hidden, commands enabled, the about-box timer
// released.
void release_controls(std::vector<Action>& out);

// What the user sees when the radio stops answering a transfer: "通讯失败" in the status bar,
// the message "通讯失败，请检查对讲机是否进入写频模式", then the commands come back.
void report_no_answer(std::vector<Action>& out);

}  // namespace m27
