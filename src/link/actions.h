#pragma once
// What the link asks of the world, in order. Two kinds:
//  - port actions (Send, DiscardInput) the driver carries out at once;
//  - user actions, which the window plays in order: a ShowMessage is modal for the user, so the
//    actions after it take effect only once the box is closed (the command line prints it and
//    goes on).

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "channels/message.h"
#include "channels/sheet.h"
#include "link/receiver.h"

namespace m27 {

// Port actions.
struct Send {
  std::vector<std::uint8_t> bytes;
};
struct DiscardInput {};  // drop every received byte not yet read

// User actions.
struct Status {  // panel 1 of the status bar
  std::string text;
};
struct ShowMessage {
  Message message;
};
struct ShowProgress {  // the progress window with its caption
  std::string caption;
};
struct SetProgress {
  int value = 0;
};
struct HideProgress {};
struct EnableCommands {  // the transfer buttons and every command that starts an exchange
  bool enabled = true;
};
struct ArmStatusRefresh {};   // one second later panel 1 shows the port state again
struct StopStatusRefresh {};  // a pending refresh is cancelled
struct HoldSplashTimer {      // the about box's timer is held off while the radio is written
  bool hold = true;
};
struct SheetChanged {};  // the write checked the channel table it was given (rasters, texts)
struct SheetRead {       // a read completed: the radio's options and channels, to apply whole
  Sheet sheet;
};
struct ReplyData {  // the reply of a service request, for its dialog to show
  RxData rx_data{};
};
struct MonitorPacket {  // a packet of the test-mode stream
  RxData rx_data{};
};
struct PortLost {  // the port failed (the cable or adapter is gone): it is closed now
  Message message;
};
struct Finished {  // the exchange sequence is over
  bool ok = false;
};

using Action =
    std::variant<Send, DiscardInput, Status, ShowMessage, ShowProgress, SetProgress, HideProgress,
                 EnableCommands, ArmStatusRefresh, StopStatusRefresh, HoldSplashTimer, SheetChanged,
                 SheetRead, ReplyData, MonitorPacket, PortLost, Finished>;

inline bool is_port_action(const Action& a) {
  return std::holds_alternative<Send>(a) || std::holds_alternative<DiscardInput>(a);
}

}  // namespace m27
