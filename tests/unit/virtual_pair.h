// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The link engine and a radio connected in memory, on a virtual clock: a 15-second failure runs
// in microseconds. The radio is any object with receive(now, bytes), next_deadline() and
// transmit(now), like the fake radio.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "link/line_listener.h"
#include "link/link.h"
#include "link/read_transfer.h"
#include "link/write_transfer.h"

namespace m27::testing {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

struct SentRequest {
  Duration at;  // since the start of the pair
  Bytes bytes;
  bool operator==(const SentRequest&) const = default;
};

template <typename Radio>
class VirtualPair {
 public:
  explicit VirtualPair(Radio& radio) : radio_(radio) { link.set_port_open(true); }

  bool start(std::unique_ptr<Operation> operation) {
    finished_.reset();
    const bool started = link.start(now_, std::move(operation));
    drain();
    return started;
  }
  // Runs until the sequence has finished or nothing more can happen; at most `limit`.
  void run(Duration limit = 60s) { advance(limit, true); }
  // Moves the clock on by `d`, delivering what happens on the way.
  void wait(Duration d) { advance(d, false); }
  // The user closes the progress window (or the dialog) while the sequence runs.
  void cancel() { link.cancel(), drain(); }
  // The cable is pulled.
  void lose_port() { link.on_port_lost(), drain(); }

  // Whether the sequence completed, once it has finished.
  std::optional<bool> finished() const { return finished_; }
  std::optional<Duration> finished_at() const { return finished_at_; }
  template <typename E>
  std::vector<E> all() const {
    std::vector<E> found;
    for (const auto& e : events) {
      if (const auto* x = std::get_if<E>(&e)) found.push_back(*x);
    }
    return found;
  }

  Link link;
  std::vector<SentRequest> requests;
  std::vector<Event> events;         // everything but the port requests, in order
  bool byte_by_byte = false;         // feed received bytes one call per byte
  bool written_reports = true;       // false: a wedged port never reports its output written
  LineListener* listener = nullptr;  // hears every event of the link

  // A link that goes on without end fails the test instead of hanging it.
  static constexpr int kStepLimit = 100'000;

 private:
  void advance(Duration d, bool until_finished) {
    const TimePoint end = now_ + d;
    for (int step = 0; !(until_finished && finished_); ++step) {
      if (step == kStepLimit) {
        ADD_FAILURE() << "the link spins: " << link.phase_name() << ", busy " << link.busy()
                      << ", at " << (now_ - TimePoint{}).count() << " ns";
        break;
      }
      std::optional<TimePoint> t = link.next_deadline();
      if (auto r = radio_.next_deadline(); r && (!t || *r < *t)) t = r;
      if (!t || *t > end) break;
      now_ = std::max(now_, *t);
      const Bytes bytes = radio_.transmit(now_);
      for (std::size_t i = 0; i < bytes.size(); i += byte_by_byte ? 1 : bytes.size()) {
        link.on_bytes(now_, std::span(bytes).subspan(i, byte_by_byte ? 1 : bytes.size()));
      }
      link.on_timer(now_);
      drain();
    }
    if (!until_finished) now_ = end;
  }

  void drain() {
    while (auto e = link.poll()) {
      if (listener) listener->hear(*e);
      if (std::holds_alternative<Received>(*e)) continue;
      if (auto* send = std::get_if<Send>(&*e)) {
        requests.push_back({now_ - TimePoint{}, send->bytes});
        radio_.receive(now_, send->bytes);
        if (written_reports) link.on_written(now_);
      } else if (!std::holds_alternative<DiscardInput>(*e)) {
        if (auto* f = std::get_if<Finished>(&*e))
          finished_ = f->ok(), finished_at_ = now_ - TimePoint{};
        events.push_back(std::move(*e));
      }
    }
  }

  Radio& radio_;
  TimePoint now_{};
  std::optional<bool> finished_;
  std::optional<Duration> finished_at_;
};

// A radio that answers by a script: for the n-th request (from 0), the bytes to send back and
// how long after the request arrived each burst goes out.
class ScriptedRadio {
 public:
  struct Out {
    Duration after;
    Bytes bytes;
  };
  using Script = std::function<std::vector<Out>(const Bytes& request, int n)>;

  explicit ScriptedRadio(Script script) : script_(std::move(script)) {}

  void receive(TimePoint now, const Bytes& request) {
    for (auto& out : script_(request, requests_++)) pending_.emplace(now + out.after, out.bytes);
  }
  std::optional<TimePoint> next_deadline() const {
    if (pending_.empty()) return std::nullopt;
    return pending_.begin()->first;
  }
  Bytes transmit(TimePoint now) {
    Bytes due;
    for (; !pending_.empty() && pending_.begin()->first <= now; pending_.erase(pending_.begin())) {
      due.insert(due.end(), pending_.begin()->second.begin(), pending_.begin()->second.end());
    }
    return due;
  }

 private:
  Script script_;
  int requests_ = 0;
  std::multimap<TimePoint, Bytes> pending_;  // in order of time, then of sending
};

// A frame with a correct checksum.
inline Bytes reply(std::uint8_t command, Bytes data) {
  Bytes frame{command, static_cast<std::uint8_t>(data.size())};
  for (auto b : data) frame.push_back(b);
  unsigned sum = 0;
  for (auto b : frame) sum += b;
  frame.push_back(static_cast<std::uint8_t>(sum % 256));
  return frame;
}

// A working radio that answers the first `answered` requests, `after` each, and then stays
// silent. Its option record says professional mode, the China plan and `total` channels; channel
// row r has count r on the 6.25 kHz raster and the tone bytes 0x38 inverted ("I023").
inline ScriptedRadio::Script answering(int answered = 1000, std::uint8_t total = 20,
                                       Duration after = 40ms) {
  return [=](const Bytes& request, int n) -> std::vector<ScriptedRadio::Out> {
    if (n >= answered || request[0] == 0x45) return {};
    if (request[0] == 0x53) return {{after, reply(0x42, {0x41, 0x01, total})}};
    const std::uint8_t row = request[2];
    if (request[0] == 0x52) return {{after, reply(0x43, {0, row, 0, row, 0x38, 0x38, 0x1B})}};
    return {{after, reply(0x41, {})}};
  };
}

inline ScriptedRadio silent_radio() { return ScriptedRadio(answering(0)); }

// What the sequence reported, one line per event: "began read", "progress 0/75", "ended read
// error" and after it a line per message "message 读频出错 | 读频出错"... Progress after 0 and the
// sheet read are left out; tests check them apart.
struct EventLine {
  std::vector<std::string> operator()(const Began& b) const {
    return {std::string("began ") +
            std::array{"read", "write", "query", "setting"}[int(b.exchange)]};
  }
  std::vector<std::string> operator()(const Progress& p) const {
    if (p.done != 0) return {};
    return {"progress 0/" + std::to_string(p.of)};
  }
  std::vector<std::string> operator()(const Finished& f) const {
    std::vector<std::string> lines{std::string("ended ") +
                                   std::array{"completed", "no answer", "read error",
                                              "communication error", "refused", "port lost",
                                              "interrupted"}[int(f.ending)]};
    for (const Notice& m : f.messages) {
      lines.push_back("message " + source_text(m.text) + " | " + source_text(m.title) +
                      (m.icon == MessageIcon::Exclamation ? " | !" : ""));
    }
    return lines;
  }
  std::vector<std::string> operator()(const ReplyData&) const { return {"reply data"}; }
  std::vector<std::string> operator()(const PortLost& p) const {
    return {"port lost " + source_text(p.message.text)};
  }
  std::vector<std::string> operator()(const auto&) const { return {}; }
};

using Script = std::vector<std::string>;

inline Script script_of(const std::vector<Event>& events) {
  Script lines;
  for (const auto& e : events) {
    for (auto& line : std::visit(EventLine{}, e)) lines.push_back(std::move(line));
  }
  return lines;
}

// The sheet a read handed out when it completed; nothing for any other ending.
inline std::optional<Sheet> sheet_read(const std::vector<Event>& events) {
  for (const auto& e : events) {
    if (const auto* read = std::get_if<SheetRead>(&e)) return read->sheet;
  }
  return std::nullopt;
}

inline Script join(std::initializer_list<Script> parts) {
  Script all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// A write of `sheet`, which the check must let through, or a read over it.
inline std::unique_ptr<Operation> transfer(bool write, const Sheet& sheet) {
  if (!write) return std::make_unique<ReadTransfer>(sheet);
  return std::make_unique<WriteTransfer>(prepare_write(sheet).plan().value());
}

// One exchange sequence from its start to its end, the port open or not, the user cancelling
// it after `cancel_after` or not.
struct Outcome {
  Script script;  // what the sequence reported
  std::vector<Event> events;
  std::vector<SentRequest> requests;
  std::optional<Duration> finished_at;
};

inline Outcome run(ScriptedRadio radio, std::unique_ptr<Operation> operation, bool port_open = true,
                   std::optional<Duration> cancel_after = {}) {
  VirtualPair pair(radio);
  pair.link.set_port_open(port_open);
  pair.start(std::move(operation));
  if (cancel_after) pair.wait(*cancel_after), pair.cancel();
  pair.run();
  return {script_of(pair.events), pair.events, pair.requests, pair.finished_at()};
}

}  // namespace m27::testing
