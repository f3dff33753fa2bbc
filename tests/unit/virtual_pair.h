#pragma once
// The link engine and a radio connected in memory, on a virtual clock: a 15-second failure runs
// in microseconds. The radio is any object with receive(now, bytes), next_deadline() and
// transmit(now), like the fake radio.

#include <algorithm>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "link/link.h"

namespace m27::testing {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

struct SentRequest {
  Duration at;  // since the start of the pair
  Bytes bytes;
};

template <typename Radio>
class VirtualPair {
 public:
  explicit VirtualPair(Radio& radio) : radio_(radio) { link.set_port_open(true); }

  bool start(std::unique_ptr<Operation> operation) {
    finished_ = std::nullopt;
    const bool started = link.start(now_, std::move(operation));
    drain();
    return started;
  }

  // Runs until the sequence has finished or nothing more can happen; at most `limit`.
  void run(Duration limit = 60s) {
    const TimePoint end = now_ + limit;
    while (!finished_ && now_ < end) {
      const auto t = next_event();
      if (!t || *t > end) break;
      advance_to(*t);
    }
  }

  // Moves the clock on by `d`, delivering what happens on the way.
  void wait(Duration d) {
    const TimePoint end = now_ + d;
    for (auto t = next_event(); t && *t <= end; t = next_event()) advance_to(*t);
    now_ = end;
  }

  // The user closes the progress window (or the dialog) while the sequence runs.
  void cancel() {
    link.cancel();
    drain();
  }

  // The cable is pulled.
  void lose_port() {
    link.on_port_lost();
    drain();
  }

  Link link;
  std::vector<SentRequest> requests;
  std::vector<Event> events;    // everything but the port requests, in order
  bool byte_by_byte = false;    // feed received bytes one call per byte
  bool written_reports = true;  // false: a wedged port never reports its output written

  std::optional<bool> finished() const { return finished_; }
  std::optional<Duration> finished_at() const { return finished_at_; }

  template <typename A>
  std::vector<A> all() const {
    std::vector<A> found;
    for (const auto& a : events) {
      if (const auto* x = std::get_if<A>(&a)) found.push_back(*x);
    }
    return found;
  }

 private:
  std::optional<TimePoint> next_event() const {
    std::optional<TimePoint> t = link.next_deadline();
    if (auto r = radio_.next_deadline(); r && (!t || *r < *t)) t = r;
    return t;
  }

  void advance_to(TimePoint t) {
    now_ = std::max(now_, t);
    const auto bytes = radio_.transmit(now_);
    if (!bytes.empty()) {
      if (byte_by_byte) {
        for (auto b : bytes) link.on_bytes(now_, std::span(&b, 1));
      } else {
        link.on_bytes(now_, bytes);
      }
    }
    link.on_timer(now_);
    drain();
  }

  void drain() {
    while (auto a = link.poll()) {
      if (auto* send = std::get_if<Send>(&*a)) {
        requests.push_back({now_ - TimePoint{}, send->bytes});
        radio_.receive(now_, send->bytes);
        if (written_reports) link.on_written(now_);
        continue;
      }
      if (std::holds_alternative<DiscardInput>(*a)) continue;
      if (auto* f = std::get_if<Finished>(&*a)) {
        finished_ = f->ok;
        finished_at_ = now_ - TimePoint{};
      }
      events.push_back(std::move(*a));
    }
  }

  Radio& radio_;
  TimePoint now_{};
  std::optional<bool> finished_;
  std::optional<Duration> finished_at_;
};

// A radio that answers by a script: for the n-th request (from 0), the bytes to send back and
// how long after the request arrived each byte goes out.
class ScriptedRadio {
 public:
  struct Out {
    Duration after;
    Bytes bytes;
  };
  using Script = std::function<std::vector<Out>(const Bytes& request, int n)>;

  explicit ScriptedRadio(Script script) : script_(std::move(script)) {}

  void receive(TimePoint now, const Bytes& request) {
    for (auto& out : script_(request, requests_++)) {
      pending_.push_back({now + out.after, std::move(out.bytes)});
    }
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
  }
  std::optional<TimePoint> next_deadline() const {
    if (pending_.empty()) return std::nullopt;
    return pending_.front().first;
  }
  Bytes transmit(TimePoint now) {
    Bytes due;
    while (!pending_.empty() && pending_.front().first <= now) {
      due.insert(due.end(), pending_.front().second.begin(), pending_.front().second.end());
      pending_.pop_front();
    }
    return due;
  }

 private:
  Script script_;
  int requests_ = 0;
  std::deque<std::pair<TimePoint, Bytes>> pending_;
};

// A frame with a correct checksum.
inline Bytes reply(std::uint8_t command, Bytes data) {
  Bytes frame;
  frame.reserve(data.size() + 3);
  frame.push_back(command);
  frame.push_back(static_cast<std::uint8_t>(data.size()));
  frame.insert(frame.end(), data.begin(), data.end());
  unsigned sum = 0;
  for (auto b : frame) sum += b;
  frame.push_back(static_cast<std::uint8_t>(sum % 256));
  return frame;
}

// What the sequence reported, one line per event: "began read", "progress 0/75", "message
// 读频出错 | 读频出错", "ended no answer"... Progress after 0 and the sheets are left out; tests
// check them apart.
struct EventLine {
  std::string operator()(const Began& b) const {
    const char* kinds[] = {"read", "write", "query", "setting"};
    return std::string("began ") + kinds[static_cast<int>(b.exchange)];
  }
  std::string operator()(const Progress& p) const {
    return p.done == 0 ? "progress 0/" + std::to_string(p.of) : "";
  }
  std::string operator()(const Notice& m) const {
    return "message " + m.message.text + " | " + m.message.title +
           (m.message.icon == MessageIcon::Exclamation ? " | !" : "");
  }
  std::string operator()(const Ended& e) const {
    const char* endings[] = {"completed",           "no answer", "read error",
                             "communication error", "refused",   "port lost"};
    return std::string("ended ") + endings[static_cast<int>(e.ending)];
  }
  std::string operator()(const ReplyData&) const { return "reply data"; }
  std::string operator()(const MonitorPacket&) const { return "monitor packet"; }
  std::string operator()(const PortLost& p) const { return "port lost " + p.message.text; }
  std::string operator()(const Finished& f) const { return f.ok ? "finished" : "failed"; }
  std::string operator()(const auto&) const { return ""; }
};

using Script = std::vector<std::string>;

inline Script script_of(const std::vector<Event>& events) {
  Script lines;
  for (const auto& a : events) {
    if (auto line = std::visit(EventLine{}, a); !line.empty()) lines.push_back(line);
  }
  return lines;
}

// The sheet a read handed out when it completed; nothing for any other ending.
inline std::optional<Sheet> sheet_read(const std::vector<Event>& events) {
  for (const auto& a : events) {
    if (const auto* read = std::get_if<SheetRead>(&a)) return read->sheet;
  }
  return std::nullopt;
}

inline Script join(std::initializer_list<Script> parts) {
  Script all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

inline ScriptedRadio silent_radio() {
  return ScriptedRadio([](const Bytes&, int) { return std::vector<ScriptedRadio::Out>{}; });
}

// One exchange sequence from its start to its end, the port open or not, the user cancelling
// it after `cancel_after` or not.
struct Outcome {
  Script script;  // what the user saw
  std::vector<Event> events;
  std::vector<SentRequest> requests;
  std::optional<Duration> finished_at;
};

inline Outcome run(ScriptedRadio radio, std::unique_ptr<Operation> operation, bool port_open = true,
                   std::optional<Duration> cancel_after = {}) {
  VirtualPair pair(radio);
  pair.link.set_port_open(port_open);
  pair.start(std::move(operation));
  if (cancel_after) {
    pair.wait(*cancel_after);
    pair.cancel();
  }
  pair.run();
  return {script_of(pair.events), pair.events, pair.requests, pair.finished_at()};
}

}  // namespace m27::testing
