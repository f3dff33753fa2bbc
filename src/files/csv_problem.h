// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What is wrong with a value of a spreadsheet's row, where it stands, and whether an import may
// leave the row out instead of refusing the file.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "channels/words.h"

namespace m27 {

struct CsvProblem {
  Words text;  // "“500”不在400～490 MHz之内"
  // The value makes sense but this radio cannot hold it: a frequency outside its band, a tone
  // its table lacks, a mode other than FM and NFM, a transmit frequency it cannot send.
  bool unfit = false;
  int line = 0;            // the file's line the row starts on
  std::size_t column = 0;  // from 1; 0 when the problem is the row's as a whole
  std::string header;      // the column's name, as the file's header gives it
};

// A value that makes no sense ("“4x0”不是频率"), and one this radio cannot hold; not yet placed.
CsvProblem invalid_value(Words text);
CsvProblem unfit_value(Words text);

// "第3行第2列（接收频率）：“500”不在400～490 MHz之内"; without a column "第3行：应有6列，实有5列".
Words refusal_text(const CsvProblem& problem);

// "跳过第2个：接收频率“500”不在400～490 MHz之内": data row 2 (counted from 1, as the question
// which rows to import counts them) an import leaves out.
Words skip_text(const CsvProblem& problem, int row);

// A value the grid can hold, or what is wrong with it.
template <typename T>
class Checked {
 public:
  Checked(T value) : state_(std::move(value)) {}
  Checked(CsvProblem problem) : state_(std::move(problem)) {}

  explicit operator bool() const { return std::holds_alternative<T>(state_); }
  const T& operator*() const { return std::get<T>(state_); }
  T&& take() && { return std::get<T>(std::move(state_)); }
  const CsvProblem& problem() const { return std::get<CsvProblem>(state_); }

 private:
  std::variant<T, CsvProblem> state_;
};

}  // namespace m27
