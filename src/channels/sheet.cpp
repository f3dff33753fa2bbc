#include "channels/sheet.h"

#include "channels/channel_table.h"
#include "channels/options.h"
#include "channels/plans.h"

namespace m27 {

Sheet startup_sheet() {
  Sheet sheet;
  sheet.Combo5 = kTransmitAllowed;
  sheet.Combo6 = kSwitchOff;
  sheet.Combo7 = kSwitchOff;
  sheet.Combo4 = kNormalMode;
  sheet.Combo1 = kPlanItems[kCustomPlan];
  sheet.std_index = kCustomPlan;
  sheet.Combo2_60 = "25";
  sheet.Combo2_62 = "100";
  Set_Def_Freq(sheet);
  sheet.tone_mode = ToneMode::Normal;
  for (ChannelRow& row : sheet.rows) {
    row.Text2 = kToneOff;
    row.Text5 = kToneOff;
    row.Text4 = kNarrow;
  }
  return sheet;
}

}  // namespace m27
