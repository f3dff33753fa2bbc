// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/gbk.h"

#include <iconv.h>

#include <memory>

namespace m27 {
namespace {

// Every character takes at most four bytes in UTF-8 and at least one in GBK.
constexpr std::size_t kMaxGrowth = 4;

struct CloseConverter {
  void operator()(iconv_t cd) const { iconv_close(cd); }
};

// Null where the system lacks the conversion.
iconv_t open_converter(const char* to, const char* from) {
  const iconv_t cd = iconv_open(to, from);
  return cd == reinterpret_cast<iconv_t>(-1) ? nullptr : cd;
}

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(open_converter(to, from)) {}

  std::optional<std::string> convert(std::string_view text) {
    if (!cd_) return std::nullopt;
    iconv(cd_.get(), nullptr, nullptr, nullptr, nullptr);  // forget whatever a failed text left
    std::string out(text.size() * kMaxGrowth, '\0');
    char* in_ptr = const_cast<char*>(text.data());
    std::size_t in_left = text.size();
    char* out_ptr = out.data();
    std::size_t out_left = out.size();
    // Without //TRANSLIT or //IGNORE iconv stops at the first character it cannot convert;
    // a non-zero count means characters were replaced, which would lose them just the same.
    if (iconv(cd_.get(), &in_ptr, &in_left, &out_ptr, &out_left) != 0) return std::nullopt;
    out.resize(out.size() - out_left);
    return out;
  }

 private:
  std::unique_ptr<void, CloseConverter> cd_;
};

}  // namespace

// Opening a converter costs far more than converting a line; a file converts 132 of them.
std::optional<std::string> gbk_to_utf8(std::string_view gbk) {
  thread_local Converter converter("UTF-8", "GBK");
  return converter.convert(gbk);
}

std::optional<std::string> utf8_to_gbk(std::string_view utf8) {
  thread_local Converter converter("GBK", "UTF-8");
  return converter.convert(utf8);
}

}  // namespace m27
