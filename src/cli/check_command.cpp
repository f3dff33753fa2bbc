// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/check_command.h"

#include <QEventLoop>
#include <iostream>
#include <optional>

#include "cli/cli_words.h"
#include "cli/exit_status.h"
#include "link/qt/port_checker.h"
#include "link/qt/port_search.h"
#include "service/connection_check.h"

namespace m27 {
namespace {

void print(const CheckLine& line) {
  std::cout << marked(line).toStdString() << '\n';
  for (const QString& note : line.notes) std::cout << "  " << note.toStdString() << '\n';
}

bool start(PortChecker& checker) {
  return checker.start(std::make_unique<AskForId>(), id_listener());
}

int check(const PortMap& ports, int port_no, const QString& device) {
  PortChecker checker(ports, port_no, device);
  QEventLoop loop;
  std::optional<Heard> heard;
  QObject::connect(&checker, &PortChecker::answered, [&](const Heard& h) {
    heard = h;
    loop.quit();
  });
  const bool asked = start(checker);
  for (const CheckLine& line : checker.port_lines()) print(line);
  std::cout << std::flush;
  if (!asked) return kExitFailure;
  if (!heard) loop.exec();
  const CheckLine answer = answer_step(*heard);
  print(answer);
  return answer.passed ? kExitSuccess : kExitNoRadio;
}

// Every port where a cable can be (with `all`, every port), all at once.
int search(const PortMap& ports, bool all) {
  std::vector<std::unique_ptr<PortChecker>> checkers;
  std::vector<SearchedPort> searched;
  int asking = 0;
  QEventLoop loop;
  const SearchPlan plan = ports_to_search(describe_ports(ports), ports, all);
  for (const PortDescription& port : plan.passed_over) searched.push_back(passed_over(port));
  for (const PortDescription& port : plan.probed) {
    auto& checker = *checkers.emplace_back(std::make_unique<PortChecker>(ports, port.port_no));
    QObject::connect(&checker, &PortChecker::answered, [&](const Heard& heard) {
      const CheckLine line = answer_step(heard);
      searched.push_back({checker.port_no(), checker.name(), line});
      if (--asking == 0) loop.quit();
    });
    if (start(checker)) {
      ++asking;
    } else {
      searched.push_back({port.port_no, checker.name(), checker.port_lines().back()});
    }
  }
  if (asking > 0) loop.exec();
  if (checkers.empty()) {
    std::cerr << "m27: "
              << cli_words(QT_TRANSLATE_NOOP(
                               "cli", "no programming cable and no --port comN=DEVICE to search"))
                     .toStdString()
              << '\n';
  }
  for (const QString& line : search_report(searched)) std::cout << line.toStdString() << '\n';
  std::cout << std::flush;
  const int radios = radios_found(searched);
  if (radios == 0) return kExitNoRadio;
  return radios == 1 ? kExitSuccess : kExitSeveralRadios;
}

}  // namespace

int run(const CheckArgs& args, const PortMap& ports) {
  if (args.find || (!args.port && ports.device(kFirstPort).isEmpty())) {
    return search(ports, args.all);
  }
  const PortChoice choice = args.port.value_or(PortChoice{{}, kFirstPort});
  return check(ports, choice.device.isEmpty() ? choice.port_no : kFirstPort, choice.device);
}

}  // namespace m27
