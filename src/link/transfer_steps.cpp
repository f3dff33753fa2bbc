#include "link/transfer_steps.h"

namespace m27 {

void release_controls(std::vector<Action>& out) {
  out.push_back(SetProgress{0});
  out.push_back(HideProgress{});
  out.push_back(EnableCommands{true});
  out.push_back(HoldSplashTimer{false});
}

void report_no_answer(std::vector<Action>& out) {
  out.push_back(SetProgress{0});
  out.push_back(HideProgress{});
  out.push_back(HoldSplashTimer{false});
  out.push_back(Status{"通讯失败"});
  out.push_back(ShowMessage{{"通讯失败，请检查对讲机是否进入写频模式"}});
  out.push_back(EnableCommands{true});
  out.push_back(Status{"串口"});
}

}  // namespace m27
