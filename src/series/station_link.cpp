// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/station_link.h"

#include <utility>

#include "link/read_transfer.h"
#include "link/write_transfer.h"
#include "series/timings.h"
#include "service/id_operations.h"
#include "service/radio_id.h"

namespace m27 {
namespace {

// "Which ID?" with one try and a short wait: silence is no error, only no radio (yet).
class RadioProbe : public Operation {
 public:
  Notice port_closed() const override { return open_the_port(); }
  Request begin(std::vector<Event>&) override {
    return Request{.frame = read_id_request(),
                   .interval = kProbeTimeout,
                   .min_reply_data = kIdReplyData,
                   .single_try = true};
  }
  Next on_reply(const Frame& reply, std::vector<Event>& out) override {
    out.push_back(ReplyData{reply});
    return Finished{};
  }
  Finished on_timeout() override { return {Ending::NoAnswer, {}}; }
  Finished on_cancel() override { return on_timeout(); }
};

struct OperationFor {
  const WritePlan& plan;

  std::unique_ptr<Operation> operator()(const Probe&) const {
    return std::make_unique<RadioProbe>();
  }
  std::unique_ptr<Operation> operator()(const WriteTemplate&) const {
    return std::make_unique<WriteTransfer>(plan);
  }
  std::unique_ptr<Operation> operator()(const ReadBack&) const {
    return std::make_unique<ReadTransfer>(startup_sheet());
  }
  std::unique_ptr<Operation> operator()(const WriteRadioId& write) const {
    return std::make_unique<WriteId>(std::to_string(write.id));
  }
  std::unique_ptr<Operation> operator()(const ReadRadioId&) const {
    return std::make_unique<ReadId>();
  }
  std::unique_ptr<Operation> operator()(const auto&) const { return nullptr; }
};

// How the link's ending of a sequence counts for the station.
StepEnding step_ending(Ending ending) {
  switch (ending) {
    case Ending::Completed:
      return StepEnding::Completed;
    case Ending::NoAnswer:
      return StepEnding::NoAnswer;
    default:
      return StepEnding::Failed;
  }
}

}  // namespace

std::unique_ptr<Operation> step_operation(const StationAction& action, const WritePlan& plan) {
  return std::visit(OperationFor{plan}, action);
}

std::optional<StepOutcome> StepListener::heard(const Event& event) {
  if (const auto* reply = std::get_if<ReplyData>(&event)) {
    if (const auto id = decode_id(reply->reply)) outcome_.id = id_value(*id);
  } else if (const auto* read = std::get_if<SheetRead>(&event)) {
    outcome_.sheet = read->sheet;
  } else if (const auto* finished = std::get_if<Finished>(&event)) {
    StepOutcome outcome = std::exchange(outcome_, {});
    if (finished->ending == Ending::PortLost) return std::nullopt;
    outcome.ending = step_ending(finished->ending);
    return outcome;
  }
  return std::nullopt;
}

std::optional<Words> lost_port(const Event& event) {
  if (const auto* lost = std::get_if<PortLost>(&event)) return lost->message.text;
  return std::nullopt;
}

}  // namespace m27
