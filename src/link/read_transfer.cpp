#include "link/read_transfer.h"

#include <algorithm>

#include "channels/channel_table.h"
#include "channels/codec.h"
#include "link/requests.h"
#include "link/transfer_steps.h"

namespace m27 {
namespace {

constexpr int kProgressPerChannel = 3;

// The link hands over only frames with at least N data bytes.
template <std::size_t N>
std::array<std::uint8_t, N> record_of(const Frame& reply) {
  std::array<std::uint8_t, N> record{};
  std::copy_n(reply.data.begin(), std::min(N, reply.data.size()), record.begin());
  return record;
}

}  // namespace

std::optional<Request> ReadTransfer::begin(bool port_open, std::vector<Action>& out) {
  if (!port_open) {
    out.push_back(ShowMessage{{"请打开通信端口"}});
    return std::nullopt;
  }
  out.push_back(EnableCommands{false});
  out.push_back(ShowProgress{"向对讲机读入数据"});
  out.push_back(Status{"正在读频......"});
  out.push_back(StopStatusRefresh{});
  return Request{read_options_request(), kReadOptionsInterval, std::tuple_size_v<OptionRecord>};
}

std::optional<Request> ReadTransfer::on_reply(const Frame& reply, std::vector<Action>& out) {
  if (!reading_channels_) {
    reported_total_ = decode_options(sheet_, record_of<std::tuple_size_v<OptionRecord>>(reply));
    reading_channels_ = true;
    return channel_request();
  }
  decode_channel(sheet_, ch_index, record_of<std::tuple_size_v<ChannelRecord>>(reply));
  progress += kProgressPerChannel;
  out.push_back(SetProgress{progress});
  if (++ch_index < kRows) return channel_request();
  complete(out);
  return std::nullopt;
}

void ReadTransfer::on_timeout(std::vector<Action>& out) {
  report_no_answer(out);
  if (reading_channels_) {
    read_error(out);
  } else {
    out.push_back(ArmStatusRefresh{});
  }
}

void ReadTransfer::on_cancel(std::vector<Action>& out) { read_error(out); }

void ReadTransfer::on_port_lost(std::vector<Action>& out) {
  release_controls(out);
  out.push_back(ArmStatusRefresh{});
}

Request ReadTransfer::channel_request() const {
  return Request{read_channel_request(ch_index), kTransferInterval,
                 std::tuple_size_v<ChannelRecord>};
}

void ReadTransfer::read_error(std::vector<Action>& out) {
  release_controls(out);
  out.push_back(Status{"读频出错"});
  out.push_back(ShowMessage{{"读频出错", "读频出错"}});
  out.push_back(ArmStatusRefresh{});
}

void ReadTransfer::complete(std::vector<Action>& out) {
  commit_edits(sheet_);
  out.push_back(SheetRead{sheet_});
  release_controls(out);
  out.push_back(Status{"读频完成"});
  out.push_back(ShowMessage{{"读写完成", "读频完成"}});
  if (reported_total_ > kMaxChannelTotal) {
    out.push_back(ShowMessage{{"读写完成", "信道数出错"}});
  }
  out.push_back(ArmStatusRefresh{});
  succeeded_ = true;
}

}  // namespace m27
