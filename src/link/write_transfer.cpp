#include "link/write_transfer.h"

#include "channels/channel_table.h"
#include "channels/validation.h"
#include "link/requests.h"
#include "link/transfer_steps.h"

namespace m27 {
namespace {

constexpr int kProgressPerRecord = 6;
// The end packet awaits no reply; this only bounds the wait for it to leave.
constexpr std::chrono::seconds kEndPacketBound{1};

}  // namespace

std::optional<Request> WriteTransfer::begin(LinkState& link, std::vector<Action>& out) {
  check_rasters(sheet_);
  commit_edits(sheet_);
  out.push_back(SheetChanged{});
  link.monitor_flag = false;
  out.push_back(StopStatusRefresh{});
  out.push_back(HoldSplashTimer{true});
  if (auto refusal = pre_write_check(sheet_)) {
    out.push_back(ShowMessage{std::move(*refusal)});
    out.push_back(HoldSplashTimer{false});
    return std::nullopt;
  }
  out.push_back(EnableCommands{false});
  out.push_back(ShowProgress{"向对讲机写入数据"});
  out.push_back(Status{"正在写频......"});
  auto options = write_options_request(sheet_);
  if (!options) {
    communication_error(out);
    return std::nullopt;
  }
  return Request{*options, kTransferInterval};
}

std::optional<Request> WriteTransfer::next(LinkState&, std::vector<Action>& out) {
  switch (stage_) {
    case Stage::Options:
      progress += kProgressPerRecord;
      out.push_back(SetProgress{progress});
      stage_ = Stage::Channels;
      return channel_request(out);
    case Stage::Channels:
      progress += kProgressPerRecord;
      out.push_back(SetProgress{progress});
      if (++ch_index < kRows) return channel_request(out);
      stage_ = Stage::End;
      return Request{end_request(), kEndPacketBound, 0, false};
    case Stage::End:
      complete(out);
      return std::nullopt;
  }
  return std::nullopt;
}

void WriteTransfer::on_timeout(std::vector<Action>& out) {
  report_no_answer(out);
  out.push_back(ArmStatusRefresh{});
}

void WriteTransfer::on_cancel(std::vector<Action>& out) { communication_error(out); }

std::optional<Request> WriteTransfer::channel_request(std::vector<Action>& out) {
  auto frame = write_channel_request(sheet_, ch_index);
  if (!frame) {
    communication_error(out);
    return std::nullopt;
  }
  return Request{*frame, kTransferInterval};
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
