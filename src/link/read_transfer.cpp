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

Notice read_error() {
  const Words error = M27_WORDS("link", "读频出错");
  return {error, error};
}

// The link hands over only frames with at least N data bytes.
template <std::size_t N>
std::array<std::uint8_t, N> record_of(const Frame& reply) {
  std::array<std::uint8_t, N> record{};
  std::copy_n(reply.data.begin(), std::min(N, reply.data.size()), record.begin());
  return record;
}

}  // namespace

Request ReadTransfer::begin(std::vector<Event>& out) {
  out.push_back(Began{Exchange::Read});
  // emplace_back: GCC 12 warns falsely on a push_back of the Progress here.
  out.emplace_back(std::in_place_type<Progress>, Progress{0, kProgressEnd});
  return Request{read_options_request(), kReadOptionsInterval, std::tuple_size_v<OptionRecord>};
}

Next ReadTransfer::on_reply(const Frame& reply, std::vector<Event>& out) {
  if (!reading_channels_) {
    reported_total_ = decode_options(sheet_, record_of<std::tuple_size_v<OptionRecord>>(reply));
    reading_channels_ = true;
    return channel_request();
  }
  decode_channel(sheet_, ch_index, record_of<std::tuple_size_v<ChannelRecord>>(reply));
  progress += kProgressPerChannel;
  out.push_back(Progress{progress, kProgressEnd});
  if (++ch_index < kRows) return channel_request();
  return complete(out);
}

// Without the option record nothing was read; a read cut off among its channels is a read error.
Finished ReadTransfer::on_timeout() {
  if (!reading_channels_) return {Ending::NoAnswer, {untitled(no_answer())}};
  return {Ending::ReadError, {untitled(no_answer()), read_error()}};
}

Finished ReadTransfer::on_cancel() { return {Ending::ReadError, {read_error()}}; }

Request ReadTransfer::channel_request() const {
  return Request{read_channel_request(ch_index), kTransferInterval,
                 std::tuple_size_v<ChannelRecord>};
}

Finished ReadTransfer::complete(std::vector<Event>& out) {
  normalise_frequencies(sheet_);
  out.push_back(SheetRead{sheet_});
  const Words done = M27_WORDS("link", "读写完成");
  Finished completed{Ending::Completed, {{done, M27_WORDS("link", "读频完成")}}};
  if (reported_total_ > kMaxChannelTotal) {
    completed.messages.push_back({done, M27_WORDS("link", "信道数出错")});
  }
  return completed;
}

}  // namespace m27
