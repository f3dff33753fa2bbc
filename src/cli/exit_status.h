// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What `m27 COMMAND` tells the shell.

namespace m27 {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;        // the radio, the port or a file said no
inline constexpr int kExitUsage = 2;          // the command line itself was wrong
inline constexpr int kExitDifferent = 3;      // verify, write --verify, diff: the two differ
inline constexpr int kExitSeveralRadios = 3;  // check --find: more than one port has a radio
inline constexpr int kExitNoRadio = 4;  // check: the port is fine but no radio answered properly
inline constexpr int kExitRadioFailed = 3;  // series: a radio failed or is unconfirmed
inline constexpr int kExitStopped = 128;    // + the signal's number: a stop signal ended the work

}  // namespace m27
