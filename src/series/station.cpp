// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/station.h"

#include <string_view>

#include "channels/sheet_comparison.h"
#include "link/requests.h"

namespace m27 {
namespace {

constexpr std::string_view kWaitingText = "请接上对讲机";
constexpr std::string_view kNoIdText = "暂无可用ID，等待其他串口";
constexpr std::string_view kCheckingText = "正在检查......";
constexpr std::string_view kWritingText = "正在写频......";
constexpr std::string_view kVerifyingText = "正在校验......";
constexpr std::string_view kNumberingText = "正在写ID......";
constexpr std::string_view kDoneText = "完成，请换下一台";
constexpr std::string_view kStoppedText = "已停止";
constexpr std::string_view kPortLostReason = "串口已断开";

std::string interrupted_text() { return std::string("已中断：") + kRadioMayBeIncomplete; }

std::string failure_text(std::string_view reason) {
  return "失败：" + std::string(reason) + "，请取下对讲机";
}

std::string already_done_text(std::uint32_t id) {
  return "这台已写过 (ID " + std::to_string(id) + ")，请换下一台";
}

// "写频无应答", "回读ID出错" ...
std::string step_failure(SeriesStep step, StepEnding ending) {
  std::string_view name = "回读ID";
  if (step == SeriesStep::Write) name = "写频";
  if (step == SeriesStep::Verify) name = "回读";
  if (step == SeriesStep::Id) name = "写ID";
  return std::string(name) + (ending == StepEnding::NoAnswer ? "无应答" : "出错");
}

std::string shown(const std::string& text) { return text.empty() ? "（空）" : text; }

// "校验不一致：第3信道接收频率 写入451.12500，读回451.13125".
std::string mismatch_text(const Difference& difference) {
  const std::string where =
      difference.channel > 0 ? "第" + std::to_string(difference.channel) + "信道" : "";
  return "校验不一致：" + where + source_text(difference.field) + " 写入" +
         shown(difference.first) + "，读回" + shown(difference.second);
}

std::string id_mismatch_text(std::uint32_t written, std::uint32_t read) {
  return "回读ID不一致：写入" + std::to_string(written) + "，读回" + std::to_string(read);
}

bool answered(const StepOutcome& outcome) {
  return outcome.ending == StepEnding::Completed && outcome.id.has_value();
}

}  // namespace

void Station::start(TimePoint now) {
  if (phase_ != Phase::Idle) return;
  show(StationLook::Waiting, std::string(kWaitingText));
  probe(now, Phase::Probing);
}

void Station::on_timer(TimePoint now) {
  if (wake_at_ && *wake_at_ <= now) wake(now);
}

void Station::wake(TimePoint now) {
  wake_at_.reset();
  switch (phase_) {
    case Phase::Waiting:
      probe(now, Phase::Probing);
      break;
    case Phase::AwaitingRemoval:
      probe(now, Phase::ProbingRemoval);
      break;
    case Phase::Pausing:
      actions_.push_back(ReadBack{});
      phase_ = Phase::Verifying;
      show(StationLook::Busy, std::string(kVerifyingText));
      break;
    default:
      break;
  }
}

void Station::probe(TimePoint now, Phase phase) {
  actions_.push_back(Probe{});
  probe_sent_ = now;
  phase_ = phase;
}

void Station::step_ended(TimePoint now, const StepOutcome& outcome, JobRules& rules) {
  switch (phase_) {
    case Phase::Probing:
      probe_answered(now, outcome, rules);
      break;
    case Phase::ProbingRemoval:
      removal_probe_answered(now, outcome, rules);
      break;
    case Phase::Checking:
      checked(now, outcome, rules);
      break;
    case Phase::Writing:
    case Phase::Verifying:
    case Phase::WritingId:
    case Phase::ReadingId:
      radio_step_ended(now, outcome, rules);
      break;
    default:
      break;  // nothing was asked: a late or stray report
  }
}

void Station::probe_answered(TimePoint now, const StepOutcome& outcome, JobRules& rules) {
  if (!rules.accepting()) return stop("");
  if (answered(outcome)) return recognise(now, *outcome.id, rules);
  wait_for_radio(probe_sent_ + kProbePeriod);
}

void Station::removal_probe_answered(TimePoint now, const StepOutcome& outcome, JobRules& rules) {
  if (!rules.accepting()) return stop("");
  if (answered(outcome) && !radio_->answers.contains(*outcome.id)) {
    return recognise(now, *outcome.id, rules);  // the next radio is on already
  }
  silent_probes_ = answered(outcome) ? 0 : silent_probes_ + 1;
  if (silent_probes_ >= kSilentProbesForRemoval) {
    radio_.reset();
    return wait_for_radio(probe_sent_ + kProbePeriod);
  }
  phase_ = Phase::AwaitingRemoval;
  wake_at_ = probe_sent_ + kProbePeriod;
}

void Station::recognise(TimePoint now, std::uint32_t id, JobRules& rules) {
  radio_ = Radio{id, now, std::nullopt, false, {id}};
  silent_probes_ = 0;
  if (rules.logged_done(id)) {
    actions_.push_back(ReadBack{});
    phase_ = Phase::Checking;
    return show(StationLook::Busy, std::string(kCheckingText));
  }
  start_writing(rules);
}

// A radio the log holds as done is done only while its memory is the template; one that differs
// is a new radio that answers with a logged ID. One that cannot be read is left alone.
void Station::checked(TimePoint now, const StepOutcome& outcome, JobRules& rules) {
  if (rules.interrupting()) return stop("");  // nothing was written: the radio is as it was
  if (outcome.ending != StepEnding::Completed || !outcome.sheet) {
    const auto ending =
        outcome.ending == StepEnding::NoAnswer ? StepEnding::NoAnswer : StepEnding::Failed;
    show(StationLook::Failed, failure_text(step_failure(SeriesStep::Verify, ending)));
    return await_removal(now);
  }
  if (compare_sheets(rules.template_sheet(), *outcome.sheet).empty()) {
    return finish(now, RadioResult::AlreadyDone, SeriesStep::None,
                  already_done_text(radio_->old_id), StationLook::Done, rules);
  }
  start_writing(rules);
}

void Station::start_writing(JobRules& rules) {
  radio_->claim = rules.claim(radio_->old_id);
  if (!radio_->claim) {  // another station's radio may yet give its ID back
    radio_.reset();
    show(StationLook::Waiting, std::string(kNoIdText));
    phase_ = Phase::Waiting;
    wake_at_ = probe_sent_ + kProbePeriod;
    return;
  }
  actions_.push_back(WriteTemplate{});
  phase_ = Phase::Writing;
  show(StationLook::Busy, std::string(kWritingText));
}

void Station::radio_step_ended(TimePoint now, const StepOutcome& outcome, JobRules& rules) {
  if (phase_ == Phase::ReadingId) return check_id(now, outcome, rules);
  if (rules.interrupting()) return cut_short(now, RadioResult::Interrupted, "", rules);
  const bool completed = outcome.ending == StepEnding::Completed;
  switch (phase_) {
    case Phase::Writing:
      if (!completed) return fail(now, step_failure(SeriesStep::Write, outcome.ending), rules);
      phase_ = Phase::Pausing;
      wake_at_ = now + kPauseAfterWrite;
      if (*wake_at_ <= now) wake(now);
      break;
    case Phase::Verifying:
      verify(now, outcome, rules);
      break;
    case Phase::WritingId:
      if (!completed) {
        return cut_short(now, RadioResult::Unconfirmed,
                         step_failure(SeriesStep::Id, outcome.ending), rules);
      }
      actions_.push_back(ReadRadioId{});
      phase_ = Phase::ReadingId;
      break;
    default:
      break;
  }
}

void Station::verify(TimePoint now, const StepOutcome& outcome, JobRules& rules) {
  if (outcome.ending != StepEnding::Completed || !outcome.sheet) {
    const auto ending =
        outcome.ending == StepEnding::NoAnswer ? StepEnding::NoAnswer : StepEnding::Failed;
    return fail(now, step_failure(SeriesStep::Verify, ending), rules);
  }
  const auto differences = compare_sheets(rules.template_sheet(), *outcome.sheet);
  if (!differences.empty()) return fail(now, mismatch_text(differences.front()), rules);
  reserve(now, rules);
}

void Station::reserve(TimePoint now, JobRules& rules) {
  radio_->reserved = true;
  LogLine line = line_for(now, RadioResult::Reserved, SeriesStep::None, "", rules);
  rules.note(line, radio_->claim);
  actions_.push_back(AppendLog{std::move(line)});
  phase_ = Phase::Reserving;
}

void Station::check_id(TimePoint now, const StepOutcome& outcome, JobRules& rules) {
  const std::uint32_t written = radio_->claim->id;
  // Unconfirmed only when the radio was asked to the end: a stop that cut the read short leaves
  // it interrupted.
  if (!answered(outcome) && rules.interrupting()) {
    return cut_short(now, RadioResult::Interrupted, "", rules);
  }
  if (!answered(outcome)) {
    return cut_short(now, RadioResult::Unconfirmed,
                     step_failure(SeriesStep::IdVerify, outcome.ending), rules);
  }
  radio_->answers.insert(*outcome.id);
  if (*outcome.id == written) {
    return finish(now, RadioResult::Ok, SeriesStep::None, std::string(kDoneText), StationLook::Done,
                  rules);
  }
  fail(now, id_mismatch_text(written, *outcome.id), rules);
}

void Station::log_appended(TimePoint now, const std::optional<Failure>& failure, JobRules& rules) {
  if (phase_ != Phase::Reserving && phase_ != Phase::Logging) return;
  if (failure) {
    rules.log_failed(failure->reason);
    return stop(failure->reason);
  }
  if (phase_ == Phase::Reserving) {
    if (stop_after_log_)
      return cut_short(now, RadioResult::Failed, std::string(kPortLostReason), rules);
    if (rules.interrupting()) return cut_short(now, RadioResult::Interrupted, "", rules);
    actions_.push_back(WriteRadioId{radio_->claim->id});
    radio_->answers.insert(radio_->claim->id);
    phase_ = Phase::WritingId;
    return show(StationLook::Busy, std::string(kNumberingText));
  }
  if (shown_after_log_) show(shown_after_log_->look, shown_after_log_->text);
  if (stop_after_log_) return stop(*stop_after_log_);
  if (!rules.accepting()) return stop("");
  await_removal(now);
}

void Station::await_removal(TimePoint now) {
  phase_ = Phase::AwaitingRemoval;
  silent_probes_ = 0;
  wake_at_ = now + kProbePeriod;
}

void Station::port_lost(TimePoint now, std::string message, JobRules& rules) {
  if (phase_ == Phase::Stopped) return;
  stop_after_log_ = std::move(message);
  switch (phase_) {
    case Phase::Writing:
    case Phase::Pausing:
    case Phase::Verifying:
      return fail(now, std::string(kPortLostReason), rules);
    case Phase::WritingId:
    case Phase::ReadingId:
      return cut_short(now, RadioResult::Unconfirmed, std::string(kPortLostReason), rules);
    case Phase::Reserving:
    case Phase::Logging:
      return;  // stops once the line is in
    default:
      return stop(*stop_after_log_);
  }
}

void Station::port_not_opened(std::string reason) {
  if (phase_ != Phase::Idle) return;
  unopened_ = true;
  stop(std::move(reason));
}

void Station::follow(TimePoint now, JobRules& rules) {
  if (phase_ == Phase::Stopped) return;
  const bool idle =
      phase_ == Phase::Idle || phase_ == Phase::Waiting || phase_ == Phase::AwaitingRemoval;
  if (idle && !rules.accepting()) return stop("");
  if (!rules.interrupting()) return;
  switch (phase_) {
    case Phase::Pausing:
      return cut_short(now, RadioResult::Interrupted, "", rules);
    case Phase::Checking:
    case Phase::Writing:
    case Phase::Verifying:
    case Phase::WritingId:
    case Phase::ReadingId:
      if (!sequence_stopped_) actions_.push_back(StopSequence{});
      sequence_stopped_ = true;
      return;
    default:
      return;  // a probe or a line on its way: the station stops when it is through
  }
}

void Station::fail(TimePoint now, const std::string& reason, JobRules& rules) {
  cut_short(now, RadioResult::Failed, reason, rules);
}

void Station::cut_short(TimePoint now, RadioResult result, const std::string& reason,
                        JobRules& rules) {
  const std::string detail =
      result == RadioResult::Interrupted ? interrupted_text() : failure_text(reason);
  finish(now, result, step_at(), detail, StationLook::Failed, rules);
}

void Station::finish(TimePoint now, RadioResult result, SeriesStep step, const std::string& detail,
                     StationLook look, JobRules& rules) {
  if (radio_->claim && !radio_->reserved) {
    rules.release(*radio_->claim);
    radio_->claim.reset();
  }
  if (!rules.logging()) return stop(stop_after_log_.value_or(""));
  LogLine line = line_for(now, result, step, detail, rules);
  rules.note(line, radio_->claim);
  actions_.push_back(AppendLog{std::move(line)});
  shown_after_log_ = ShowState{look, detail};
  phase_ = Phase::Logging;
}

SeriesStep Station::step_at() const {
  switch (phase_) {
    case Phase::Writing:
      return SeriesStep::Write;
    case Phase::Pausing:
    case Phase::Verifying:
      return SeriesStep::Verify;
    case Phase::Reserving:
    case Phase::WritingId:
      return SeriesStep::Id;
    case Phase::ReadingId:
      return SeriesStep::IdVerify;
    default:
      return SeriesStep::None;
  }
}

LogLine Station::line_for(TimePoint now, RadioResult result, SeriesStep step, std::string detail,
                          const JobRules& rules) const {
  LogLine line;
  line.port = port_;
  line.old_id = radio_->old_id;
  if (radio_->reserved) line.new_id = radio_->claim->id;
  line.result = result;
  line.step = step;
  line.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - radio_->since);
  line.template_sha256 = rules.template_sha256();
  line.detail = std::move(detail);
  return line;
}

void Station::wait_for_radio(TimePoint next_probe) {
  phase_ = Phase::Waiting;
  wake_at_ = next_probe;
  show(StationLook::Waiting, std::string(kWaitingText));
}

void Station::stop(std::string reason) {
  phase_ = Phase::Stopped;
  wake_at_.reset();
  show(StationLook::Stopped, reason.empty() ? std::string(kStoppedText) : reason);
  actions_.push_back(StationStopped{std::move(reason)});
}

void Station::show(StationLook look, std::string text) {
  ShowState state{look, std::move(text)};
  if (shown_ == state) return;
  shown_ = state;
  actions_.push_back(std::move(state));
}

std::optional<StationAction> Station::poll() {
  if (actions_.empty()) return std::nullopt;
  StationAction action = std::move(actions_.front());
  actions_.pop_front();
  return action;
}

}  // namespace m27
