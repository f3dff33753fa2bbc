// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bundled radio model, `m27-fake-radio`, run as a child process: it prints the device of
// its pseudo-terminal as its first output line and serves until its input ends.

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "channels/result.h"

namespace m27 {

inline constexpr std::chrono::milliseconds kFakeRadioStartTimeout{5000};

// The bundled radio as a series job needs it: once a radio has taken its ID it is swapped for a
// fresh one (ID 0) as an operator would, so that a trial job goes on from radio to radio.
inline const std::vector<std::string> kSwappingRadio = {"--swap-after", "1500"};

class FakeRadio {
 public:
  // Starts `program` with `options` and reads its device from the first output line, giving up
  // after `timeout`.
  static Result<std::unique_ptr<FakeRadio>> start(const std::string& program,
                                                  std::chrono::milliseconds timeout,
                                                  std::vector<std::string> options = {});

  // Ends its input, which ends the radio; one that lingers is terminated.
  ~FakeRadio();
  FakeRadio(const FakeRadio&) = delete;
  FakeRadio& operator=(const FakeRadio&) = delete;

  const std::string& device() const { return device_; }

  // Its further output, non-blocking; the caller reads it so that the radio never stalls on a
  // full pipe.
  int output_fd() const { return output_fd_; }

 private:
  FakeRadio(pid_t pid, int input_fd, int output_fd);
  Result<std::string> read_first_line(std::chrono::milliseconds timeout);

  pid_t pid_;
  int input_fd_;
  int output_fd_;
  std::string device_;
};

// The program to start: $M27_FAKE_RADIO, else the helper program m27-fake-radio.
std::string fake_radio_program();

}  // namespace m27
