// SPDX-License-Identifier: GPL-3.0-or-later
// The stations' block of a series job as a terminal shows it: a screen model of this test's own
// takes the bytes the console writes and keeps what a terminal would show.

#include "cli/series_console.h"

#include <gtest/gtest.h>

#include <sstream>

namespace m27 {
namespace {

// Rows of cells and a cursor. LF goes to the next line's start (as the terminal driver turns it
// into CR LF); CR, ESC[nA, ESC[J and ESC[K as a terminal takes them; a character of three or four
// UTF-8 bytes takes two cells; text reaching past the width wraps, the bottom line scrolls.
// Its width is the terminal's as the console is told it, so a resize takes effect at once.
class Screen {
 public:
  explicit Screen(const TerminalSize& size)
      : size_(size), rows_(size.rows, std::vector<std::string>(size.columns, " ")) {}

  void feed(const std::string& bytes) {
    for (std::size_t at = 0; at < bytes.size();) at = take(bytes, at);
  }
  std::vector<std::string> lines() const {
    std::vector<std::string> lines;
    for (const auto& row : rows_) {
      std::string text;
      for (const std::string& cell : row) text += cell;  // "": a wide character's right half
      while (!text.empty() && text.back() == ' ') text.pop_back();
      if (!text.empty()) lines.push_back(text);
    }
    return lines;
  }

 private:
  std::size_t take(const std::string& bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead == 0x1b) return control(bytes, at);
    if (lead == '\r' || lead == '\n') {
      column_ = 0;
      if (lead == '\n') down();
      return at + 1;
    }
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const int width = length >= 3 ? 2 : 1;
    if (column_ + width > size_.columns) column_ = 0, down();
    rows_[row_][column_] = bytes.substr(at, length);
    if (width == 2) rows_[row_][column_ + 1] = "";
    column_ += width;
    return at + length;
  }
  std::size_t control(const std::string& bytes, std::size_t at) {
    const std::size_t end = bytes.find_first_of("AJK", at);
    const std::string count = bytes.substr(at + 2, end - at - 2);
    const int last_row = bytes[end] == 'J' ? static_cast<int>(rows_.size()) - 1 : row_;
    if (bytes[end] == 'A') row_ = std::max(0, row_ - (count.empty() ? 1 : std::stoi(count)));
    for (int r = row_; bytes[end] != 'A' && r <= last_row; ++r) {
      for (std::size_t c = r == row_ ? column_ : 0; c < rows_[r].size(); ++c) rows_[r][c] = " ";
    }
    return end + 1;
  }
  void down() {
    if (++row_ < static_cast<int>(rows_.size())) return;
    rows_.erase(rows_.begin());
    rows_.emplace_back(rows_.front().size(), " ");
    row_ = static_cast<int>(rows_.size()) - 1;
  }

  const TerminalSize& size_;
  std::vector<std::vector<std::string>> rows_;
  int row_ = 0;
  int column_ = 0;
};

const std::string kLongFailure =
    "失败：写频时对讲机无应答，请检查写频线与对讲机的连接，对讲机中的数据可能不完整，请重新写频";

// Three stations, twenty redraws with a radio's line after every fifth; the size may change
// halfway, as a window resized.
TEST(SeriesConsole, KeepsOneBlockOfStationLinesUnderTheRadiosLines) {
  struct Case {
    TerminalSize after;              // from the eleventh redraw on; 80 columns before
    std::vector<std::string> block;  // what the screen's last lines are
  };
  const Case kCases[] = {
      {{80, 40},
       {"com1 完成，请换下一台", "com2 " + std::string(kLongFailure.substr(0, 111)),
        "com3 正在写频......"}},
      {{30, 40}, {"com1 完成，请换下一台", "com2 失败：写频时对讲机无应答", "com3 正在写频......"}},
      {{80, 3},
       {"com1 完成，请换下一台  |  com2 失败：写频时对讲机无应答，请检查写频线与对讲机的"}},
  };
  for (const auto& c : kCases) {
    std::ostringstream bytes;  // standard output and error on one terminal
    TerminalSize size{80, c.after.rows};
    Screen screen(size);
    SeriesConsole console(bytes, bytes, [&size] { return size; }, {"com1", "com2", "com3"});
    const ShowState states[] = {{StationLook::Done, as_is("完成，请换下一台")},
                                {StationLook::Failed, as_is(std::string(kLongFailure))},
                                {StationLook::Busy, as_is("正在写频......")}};
    std::vector<std::string> radios;
    for (int redraw = 0; redraw < 20; ++redraw) {
      if (redraw == 10) {
        screen.feed(bytes.str());
        bytes.str("");
        size = c.after;
      }
      console.show(redraw % 3, states[redraw % 3]);
      if (redraw % 5 == 4) {
        radios.push_back("com1  ID " + std::to_string(redraw) + "  完成  3.6 s");
        console.data(radios.back());
      }
    }
    screen.feed(bytes.str());
    std::vector<std::string> shown = screen.lines();
    const std::vector<std::string> block(shown.end() - std::ssize(c.block), shown.end());
    EXPECT_EQ(block, c.block) << c.after.columns << "x" << c.after.rows;
    if (c.after.rows < 4) continue;  // the radios' lines scrolled away
    shown.resize(shown.size() - c.block.size());
    EXPECT_EQ(shown, radios);
  }
}

}  // namespace
}  // namespace m27
