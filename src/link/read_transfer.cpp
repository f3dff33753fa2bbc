// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/read_transfer.h"

#include <algorithm>

#include "channels/channel_table.h"
#include "channels/codec.h"
#include "link/requests.h"

namespace m27 {
namespace {

constexpr int kProgressPerChannel = 3;
constexpr int kProgressEnd = kProgressPerChannel * kRows;

// The link hands over only frames with at least N data bytes.
template <std::size_t N>
std::array<std::uint8_t, N> record_of(const Frame& reply) {
  std::array<std::uint8_t, N> record{};
  std::copy_n(reply.data.begin(), std::min(N, reply.data.size()), record.begin());
  return record;
}

}  // namespace

std::optional<Request> ReadTransfer::begin(bool port_open, std::vector<Event>& out) {
  if (!port_open) {
    out.push_back(Notice{{"请打开通信端口"}});
    out.push_back(Ended{Ending::Refused});
    return std::nullopt;
  }
  out.push_back(Began{Exchange::Read});
  out.push_back(Progress{0, kProgressEnd});
  return Request{read_options_request(), kReadOptionsInterval, std::tuple_size_v<OptionRecord>};
}

std::optional<Request> ReadTransfer::on_reply(const Frame& reply, std::vector<Event>& out) {
  if (!reading_channels_) {
    reported_total_ = decode_options(sheet_, record_of<std::tuple_size_v<OptionRecord>>(reply));
    reading_channels_ = true;
    return channel_request();
  }
  decode_channel(sheet_, ch_index, record_of<std::tuple_size_v<ChannelRecord>>(reply));
  progress += kProgressPerChannel;
  out.push_back(Progress{progress, kProgressEnd});
  if (++ch_index < kRows) return channel_request();
  complete(out);
  return std::nullopt;
}

void ReadTransfer::on_timeout(std::vector<Event>& out) {
  out.push_back(Ended{Ending::NoAnswer});
  out.push_back(Notice{{kNoAnswer}});
  if (reading_channels_) read_error(out);
}

void ReadTransfer::on_cancel(std::vector<Event>& out) { read_error(out); }

Request ReadTransfer::channel_request() const {
  return Request{read_channel_request(ch_index), kTransferInterval,
                 std::tuple_size_v<ChannelRecord>};
}

void ReadTransfer::read_error(std::vector<Event>& out) {
  out.push_back(Ended{Ending::ReadError});
  out.push_back(Notice{{"读频出错", "读频出错"}});
}

void ReadTransfer::complete(std::vector<Event>& out) {
  commit_edits(sheet_);
  out.push_back(SheetRead{sheet_});
  out.push_back(Ended{Ending::Completed});
  out.push_back(Notice{{"读写完成", "读频完成"}});
  if (reported_total_ > kMaxChannelTotal) out.push_back(Notice{{"读写完成", "信道数出错"}});
  succeeded_ = true;
}

}  // namespace m27
