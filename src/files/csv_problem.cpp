// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/csv_problem.h"

namespace m27 {

CsvProblem invalid_value(Words text) { return CsvProblem{std::move(text), false, 0, 0, {}}; }

CsvProblem unfit_value(Words text) {
  CsvProblem problem = invalid_value(std::move(text));
  problem.unfit = true;
  return problem;
}

// A problem placed in a column always has the column's header.
Words refusal_text(const CsvProblem& problem) {
  if (problem.column > 0) {
    return M27_WORDS("files", "第%1行第%2列（%3）：%4")
        .arg(problem.line)
        .arg(problem.column)
        .arg(problem.header)
        .arg(problem.text);
  }
  if (!problem.header.empty()) {
    return M27_WORDS("files", "第%1行（%2）：%3")
        .arg(problem.line)
        .arg(problem.header)
        .arg(problem.text);
  }
  return M27_WORDS("files", "第%1行：%2").arg(problem.line).arg(problem.text);
}

Words skip_text(const CsvProblem& problem, int row) {
  return M27_WORDS("files", "跳过第%1个：%2%3").arg(row).arg(problem.header).arg(problem.text);
}

}  // namespace m27
