// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/csv_problem.h"

namespace m27 {

std::string quoted(std::string_view text) { return "“" + std::string(text) + "”"; }

CsvProblem invalid_value(std::string text) {
  CsvProblem problem;
  problem.text = std::move(text);
  return problem;
}

CsvProblem unfit_value(std::string text) {
  CsvProblem problem = invalid_value(std::move(text));
  problem.unfit = true;
  return problem;
}

std::string refusal_text(const CsvProblem& problem) {
  std::string place = "第" + std::to_string(problem.line) + "行";
  if (problem.column > 0) place += "第" + std::to_string(problem.column) + "列";
  if (!problem.header.empty()) place += "（" + problem.header + "）";
  return place + "：" + problem.text;
}

std::string skip_text(const CsvProblem& problem, int row) {
  return "跳过第" + std::to_string(row) + "个：" + problem.header + problem.text;
}

}  // namespace m27
