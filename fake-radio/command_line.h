// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arguments of m27-fake-radio.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "fake-radio/radio.h"

namespace m27::fake {

inline constexpr std::string_view kUsage =
    "usage: m27-fake-radio [--paced] [--delay MS] [--fault SPEC] [--load FILE] [--dump FILE] "
    "[--log]\n"
    "                      [--swap-after MS]\n"
    "  --paced       send at 9600 baud, one byte per 1.0417 ms (default: each reply at once)\n"
    "  --delay MS    reply MS ms after the 20 ms settle window (default 30)\n"
    "  --fault SPEC  silent | silent-after=K | bad-checksum | cut-off | garbage | echo |\n"
    "                echo-only | early | slow=MS | store-wrong=ROW | trailing | vanish=K\n"
    "  --load FILE   start from a memory dump instead of the factory state\n"
    "  --dump FILE   write the memory dump to FILE on exit, and that of each radio unplugged\n"
    "                before to FILE.1, FILE.2, ...\n"
    "  --log         print every request and reply in hex on stderr\n"
    "  --swap-after MS  unplug a radio MS ms after its written ID was read back, and plug a\n"
    "                fresh one with ID 0 MS ms later\n"
    "Prints the pseudo-terminal's path on its first line, then serves until SIGTERM, SIGINT or\n"
    "the end of its standard input. Lines on its standard input swap the radio:\n"
    "  unplug           the radio goes: nothing answers\n"
    "  plug ID [FAULT]  a fresh radio in the factory state with this ID answers\n";

struct Settings {
  Options radio;
  std::optional<Duration> swap_after;
  std::optional<std::string> load_file;
  std::optional<std::string> dump_file;
  bool log = false;
  bool help = false;
};

// The settings of the arguments after the program name; nullopt, with the reason in *error,
// for an unknown option, a missing or malformed value, or a repeated option.
std::optional<Settings> parse_command_line(std::span<const std::string_view> args,
                                           std::string* error);

}  // namespace m27::fake
