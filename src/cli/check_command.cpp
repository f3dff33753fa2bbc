// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/check_command.h"

#include <QEventLoop>
#include <iostream>
#include <optional>

#include "cli/exit_status.h"
#include "link/qt/port_checker.h"
#include "link/qt/port_search.h"
#include "service/connection_check.h"

namespace m27 {
namespace {

std::string shown(const CheckLine& line) {
  return (line.passed ? "✓ " : "✗ ") + line.text.toStdString();
}

void print(const CheckLine& line) {
  std::cout << shown(line) << '\n';
  for (const QString& note : line.notes) std::cout << "  " << note.toStdString() << '\n';
}

CheckLine line_of(const Heard& heard) {
  const AnswerLine answer = answer_line(heard);
  return {answer.answered, QString::fromStdString(answer.text), {}};
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
  const CheckLine answer = line_of(*heard);
  print(answer);
  return answer.passed ? kExitSuccess : kExitNoRadio;
}

struct Searched {
  std::unique_ptr<PortChecker> checker;
  std::optional<Heard> heard;
};

// Every port where a cable can be, all at once; their lines in port order.
int search(const PortMap& ports) {
  std::vector<Searched> searched;
  int asking = 0;
  QEventLoop loop;
  for (const PortDescription& port : ports_to_search(describe_ports(ports), ports)) {
    searched.push_back({std::make_unique<PortChecker>(ports, port.port_no), std::nullopt});
    QObject::connect(searched.back().checker.get(), &PortChecker::answered,
                     [&, index = searched.size() - 1](const Heard& heard) {
                       searched[index].heard = heard;
                       if (--asking == 0) loop.quit();
                     });
  }
  for (Searched& port : searched) asking += start(*port.checker) ? 1 : 0;
  if (asking > 0) loop.exec();
  if (searched.empty())
    std::cerr << "m27: no USB serial adapter and no --port comN=DEVICE to search\n";
  std::vector<std::string> found;
  for (const Searched& port : searched) {
    const std::string name = QStringLiteral("com%1 (%2)")
                                 .arg(port.checker->port_no())
                                 .arg(port.checker->name())
                                 .toStdString();
    const CheckLine last = port.heard ? line_of(*port.heard) : port.checker->port_lines().back();
    std::cout << name << "：" << shown(last) << '\n';
    if (port.heard && last.passed) found.push_back(name);
  }
  for (const std::string& name : found) std::cout << "对讲机在 " << name << '\n';
  if (found.empty()) std::cout << "没有找到对讲机\n";
  std::cout << std::flush;
  if (found.empty()) return kExitNoRadio;
  return found.size() == 1 ? kExitSuccess : kExitSeveralRadios;
}

}  // namespace

int run(const CheckArgs& args, const PortMap& ports) {
  if (args.find || (!args.port && ports.device(kFirstPort).isEmpty())) return search(ports);
  const PortChoice choice = args.port.value_or(PortChoice{{}, kFirstPort});
  return check(ports, choice.device.isEmpty() ? choice.port_no : kFirstPort, choice.device);
}

}  // namespace m27
