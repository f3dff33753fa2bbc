#include "link/frame.h"

#include <cassert>
#include <cstdio>

namespace m27 {

void seal(Frame& frame) {
  const int n = frame.tx_buf[1];
  unsigned sum = 0;
  for (int i = 0; i <= n + 1; ++i) sum += frame.tx_buf[i];
  frame.tx_buf[n + 2] = static_cast<std::uint8_t>(sum % 256);
  frame.tx_cnt = n + 3;
}

Frame make_frame(std::uint8_t command, std::span<const std::uint8_t> data) {
  assert(data.size() <= kMaxRequestData);
  Frame frame;
  frame.tx_buf[0] = command;
  frame.tx_buf[1] = static_cast<std::uint8_t>(data.size());
  for (std::size_t i = 0; i < data.size(); ++i) frame.tx_buf[2 + i] = data[i];
  seal(frame);
  return frame;
}

Frame make_frame(std::uint8_t command, std::initializer_list<std::uint8_t> data) {
  return make_frame(command, std::span<const std::uint8_t>(data.begin(), data.size()));
}

int Str_Int(std::string_view a) {
  if (a.empty()) return 0;
  if (a >= "0" && a <= "9") return a[0] - 48;
  if (a >= "A" && a <= "F") return a[0] - 55;
  if (a >= "a" && a <= "f") return a[0] - 87;
  return 0;
}

std::vector<std::uint8_t> wire_bytes(const Frame& frame) {
  std::vector<std::uint8_t> bytes;
  for (int i = 0; i < frame.tx_cnt; ++i) {
    char hex[3];
    const int digits = std::snprintf(hex, sizeof hex, "%X", frame.tx_buf[i]);
    const int value =
        digits == 1 ? Str_Int({hex, 1}) : Str_Int({hex, 1}) * 16 + Str_Int({hex + 1, 1});
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  return bytes;
}

}  // namespace m27
