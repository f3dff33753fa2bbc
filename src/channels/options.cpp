#include "channels/options.h"

#include "channels/channel_table.h"

namespace m27 {

ToneMode mode_of(std::string_view Combo4) {
  return Combo4 == kProfessionalMode ? ToneMode::Professional : ToneMode::Normal;
}

void Combo4_Click(Sheet& sheet) {
  sheet.tone_mode = mode_of(sheet.Combo4);
  for (ChannelRow& row : sheet.rows) {
    row.Text2 = kToneOff;
    row.Combo2.reset();
    row.Text5 = kToneOff;
    row.Combo3.reset();
  }
  RESET_TEXT(sheet);
}

}  // namespace m27
