#include "link/write_transfer.h"

#include <utility>

#include "channels/channel_table.h"
#include "channels/validation.h"
#include "link/requests.h"
#include "link/transfer_steps.h"

namespace m27 {
namespace {

constexpr int kProgressPerRecord = 6;
// The end packet awaits no reply; this only bounds the wait for it to leave.
constexpr std::chrono::seconds kEndPacketBound{1};

// Options, the 25 channels and the end packet; nothing when a record cannot be sent.
std::optional<std::vector<Frame>> frames_of(const Sheet& sheet) {
  std::vector<Frame> frames;
  auto options = write_options_request(sheet);
  if (!options) return std::nullopt;
  frames.push_back(std::move(*options));
  for (int row = 0; row < kRows; ++row) {
    auto channel = write_channel_request(sheet, row);
    if (!channel) return std::nullopt;
    frames.push_back(std::move(*channel));
  }
  frames.push_back(end_request());
  return frames;
}

}  // namespace

std::optional<Request> WriteTransfer::begin(bool, std::vector<Action>& out) {
  Sheet& sheet = *std::exchange(sheet_, nullptr);
  check_rasters(sheet);
  commit_edits(sheet);
  out.push_back(SheetChanged{});
  out.push_back(StopStatusRefresh{});
  out.push_back(HoldSplashTimer{true});
  if (auto refusal = pre_write_check(sheet)) {
    out.push_back(ShowMessage{std::move(*refusal)});
    out.push_back(HoldSplashTimer{false});
    return std::nullopt;
  }
  out.push_back(EnableCommands{false});
  out.push_back(ShowProgress{"向对讲机写入数据"});
  out.push_back(Status{"正在写频......"});
  auto frames = frames_of(sheet);
  if (!frames) {
    communication_error(out);
    return std::nullopt;
  }
  frames_ = std::move(*frames);
  return request_at(next_);
}

std::optional<Request> WriteTransfer::on_reply(const Frame&, std::vector<Action>& out) {
  progress += kProgressPerRecord;
  out.push_back(SetProgress{progress});
  return request_at(++next_);
}

std::optional<Request> WriteTransfer::on_sent(bool, std::vector<Action>& out) {
  complete(out);
  return std::nullopt;
}

void WriteTransfer::on_timeout(std::vector<Action>& out) {
  report_no_answer(out);
  out.push_back(ArmStatusRefresh{});
}

void WriteTransfer::on_cancel(std::vector<Action>& out) { communication_error(out); }

void WriteTransfer::on_port_lost(std::vector<Action>& out) {
  release_controls(out);
  out.push_back(ArmStatusRefresh{});
}

// Every record awaits the radio's acknowledgement; the end packet awaits nothing.
Request WriteTransfer::request_at(std::size_t index) const {
  if (index + 1 == frames_.size()) return Request{frames_[index], kEndPacketBound, 0, false};
  return Request{frames_[index], kTransferInterval};
}

void WriteTransfer::communication_error(std::vector<Action>& out) {
  release_controls(out);
  out.push_back(Status{"通讯失败"});
  out.push_back(ShowMessage{{"通讯失败"}});
  out.push_back(ArmStatusRefresh{});
}

void WriteTransfer::complete(std::vector<Action>& out) {
  release_controls(out);
  out.push_back(ArmStatusRefresh{});
  out.push_back(Status{"写频完成"});
  out.push_back(ShowMessage{{"写频完成", "写频完成"}});
  succeeded_ = true;
}

}  // namespace m27
