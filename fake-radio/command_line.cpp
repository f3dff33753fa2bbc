// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake-radio/command_line.h"

#include <set>

#include "fake-radio/number.h"

namespace m27::fake {
namespace {

constexpr int kLongestMs = 1'000'000;

class ArgumentReader {
 public:
  explicit ArgumentReader(std::span<const std::string_view> args) : args_(args) {}

  std::optional<Settings> read(std::string* error) {
    while (index_ < args_.size() && reason_.empty()) read_one(args_[index_++]);
    if (reason_.empty()) return settings_;
    if (error) *error = reason_;
    return std::nullopt;
  }

 private:
  void read_one(std::string_view option) {
    if (!seen_.insert(option).second) {
      reason_ = std::string(option) + " given twice";
    } else if (option == "--paced") {
      settings_.radio.paced = true;
    } else if (option == "--log") {
      settings_.log = true;
    } else if (option == "--help" || option == "-h") {
      settings_.help = true;
    } else if (option == "--delay") {
      settings_.radio.reply_delay = read_milliseconds(option);
    } else if (option == "--swap-after") {
      settings_.swap_after = read_milliseconds(option);
    } else if (option == "--fault") {
      read_fault();
    } else if (option == "--load") {
      settings_.load_file = value_of(option);
    } else if (option == "--dump") {
      settings_.dump_file = value_of(option);
    } else {
      reason_ = "unknown argument " + std::string(option);
    }
  }

  Duration read_milliseconds(std::string_view option) {
    const auto text = value_of(option);
    if (!text) return {};
    const auto ms = parse_count(*text, kLongestMs);
    if (!ms) {
      reason_ = std::string(option) + " needs a number of milliseconds 0..1000000, not " + *text;
      return {};
    }
    return std::chrono::milliseconds(*ms);
  }

  void read_fault() {
    const auto text = value_of("--fault");
    if (!text) return;
    const auto fault = parse_fault(*text);
    if (!fault) {
      reason_ = "unknown fault " + *text;
      return;
    }
    settings_.radio.fault = *fault;
  }

  std::optional<std::string> value_of(std::string_view option) {
    if (index_ == args_.size()) {
      reason_ = std::string(option) + " needs a value";
      return std::nullopt;
    }
    return std::string(args_[index_++]);
  }

  std::span<const std::string_view> args_;
  std::size_t index_ = 0;
  std::set<std::string_view> seen_;
  Settings settings_;
  std::string reason_;
};

}  // namespace

std::optional<Settings> parse_command_line(std::span<const std::string_view> args,
                                           std::string* error) {
  return ArgumentReader(args).read(error);
}

}  // namespace m27::fake
